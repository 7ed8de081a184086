#include "tests/support/scratch_database.h"

#include "database/association_store.h"
#include "database/connection_log.h"
#include "database/database_error.h"
#include "database/tariff_editing.h"
#include "database/tariff_store.h"

#include <gtest/gtest.h>

#include <functional>

namespace zrt::test {
namespace {

using Outcome = TariffDeletion::Outcome;

Band wholeDay(DayType tipo, double durata)
{
    return {tipo, TimeOfDay{0}, TimeOfDay{kSecondsPerDay}, durata, 127, 127, std::nullopt};
}

QList<Band> soundPulseBands()
{
    return {wholeDay(DayType::Fer, 180), wholeDay(DayType::Pre, 340), wholeDay(DayType::Fes, 340)};
}

const Compagnia kTelecom{1, QStringLiteral("Telecom Italia"), QStringLiteral("Minuto")};
const Compagnia kTelecom1998{2, QStringLiteral("Telecom Italia 1998"), QStringLiteral("Scatto")};

// The shipped tariffs: 1 "Urbana 2000" of Telecom Italia, 2 "Urbana a
// scatti" of Telecom Italia 1998.
class TariffEditingTest : public ::testing::Test {
protected:
    int companyCount() const { return int(store_.companies().size()); }
    int storedBands(int idTariffa) const
    {
        QSqlQuery count = database_.query(QStringLiteral("SELECT COUNT(*) FROM Fasce WHERE id_Tariffa = ?"),
                                          {idTariffa});
        return count.next() ? count.value(0).toInt() : -1;
    }

    test::ScratchDatabase scratch_;
    Database database_ = scratch_.open();
    TariffStore store_{database_};
    TariffEditing editing_{database_};
};

TEST_F(TariffEditingTest, ANewTariffIsWrittenWithItsNewCompanyAndBands)
{
    const int id = editing_.createTariff(
        {{0, QStringLiteral("Infostrada"), QStringLiteral("Scatto")}, QStringLiteral("Notte"), soundPulseBands()});

    const std::optional<TariffaInfo> info = store_.tariffInfo(id);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->compagnia, QStringLiteral("Infostrada"));
    EXPECT_EQ(info->tipotariffazione, QStringLiteral("Scatto"));
    const QList<Fascia> fes = store_.bands(id, DayType::Fes);
    ASSERT_EQ(fes.size(), 1);
    EXPECT_EQ(fes.front().idCompagnia, info->idCompagnia);
    EXPECT_DOUBLE_EQ(fes.front().band.durata, 340);
    EXPECT_EQ(store_.tariff(id)->fasce.size(), 3u);
}

// A name already there, in any letter case and with blanks around it, is
// refused, and the refused write leaves the file as it was.
TEST_F(TariffEditingTest, NamesAlreadyThereAreRefusedAndNothingIsWritten)
{
    const int second = editing_.createTariff({kTelecom1998, QStringLiteral("Interurbana"), soundPulseBands()});
    const struct {
        const char* what;
        std::function<void()> write;
        NameTaken::Kind kind;
    } cases[] = {
        {"company",
         [&] { editing_.createTariff({{0, QStringLiteral(" telecom ITALIA "), QStringLiteral("Minuto")},
                                      QStringLiteral("Nuova"), soundPulseBands()}); },
         NameTaken::Kind::Company},
        {"description of a new tariff",
         [&] { editing_.createTariff({kTelecom1998, QStringLiteral("urbana A SCATTI"), soundPulseBands()}); },
         NameTaken::Kind::Description},
        {"description of another tariff",
         [&] { editing_.replaceTariff(second, {kTelecom1998, QStringLiteral("Urbana a scatti"), soundPulseBands()}); },
         NameTaken::Kind::Description},
    };
    const QByteArray before = test::fileDigest(scratch_.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.write();
            ADD_FAILURE() << "not refused";
        } catch (const NameTaken& taken) {
            EXPECT_EQ(taken.kind(), c.kind);
        }
        EXPECT_EQ(test::fileDigest(scratch_.path()), before);
    }

    editing_.createTariff({kTelecom, QStringLiteral("Urbana a scatti"), soundPulseBands()});
    editing_.replaceTariff(second, {kTelecom1998, QStringLiteral("INTERURBANA"), soundPulseBands()});
    EXPECT_EQ(store_.tariffInfo(second)->descrizione, QStringLiteral("INTERURBANA"))
        << "the same description in another company, or the tariff's own, is no clash";
}

TEST_F(TariffEditingTest, ReplacingATariffKeepsItsKeyCompanyAndEntries)
{
    AssociationStore(database_).associate(QStringLiteral("Casa"), 2);
    QList<Band> bands = soundPulseBands();
    bands[0].fine = TimeOfDay{8 * 3600};
    bands.append({DayType::Fer, TimeOfDay{8 * 3600}, TimeOfDay{kSecondsPerDay}, 60, 127, 200, std::nullopt});
    editing_.replaceTariff(2, {kTelecom1998, QStringLiteral("Urbana 1999"), bands});

    EXPECT_EQ(store_.tariffInfo(2)->descrizione, QStringLiteral("Urbana 1999"));
    EXPECT_EQ(AssociationStore(database_).find(QStringLiteral("Casa"))->idTariffa, 2);
    const QList<Fascia> fer = store_.bands(2, DayType::Fer);
    ASSERT_EQ(fer.size(), 2);
    EXPECT_EQ(fer.back().idCompagnia, 2);
    EXPECT_DOUBLE_EQ(fer.back().band.costoAllaRisposta, 200);
    EXPECT_EQ(store_.tariff(2)->fasce.size(), 4u) << "the old bands are gone";
    EXPECT_EQ(store_.tariff(1)->fasce.size(), 7u) << "another tariff's bands stay";
}

TEST_F(TariffEditingTest, DeletingIsRefusedForTheDefaultTariffAndOnesInUseAndTakesALoneCompany)
{
    const int sibling = editing_.createTariff({kTelecom1998, QStringLiteral("Seconda"), soundPulseBands()});
    const int used = editing_.createTariff({kTelecom1998, QStringLiteral("Usata"), soundPulseBands()});
    AssociationStore(database_).associate(QStringLiteral("Ufficio"), used);
    AssociationStore(database_).associate(QStringLiteral("Casa"), used);
    ConnectionLog(database_).open(QStringLiteral("Casa"), *parseLocalDateTime("2026-12-01 09:00:00"),
                                  QStringLiteral("Telecom Italia 1998"));

    const struct {
        int idTariffa;
        Outcome outcome;
        QStringList entries;
        int companiesLeft;
    } steps[] = {
        {kDefaultTariff, Outcome::DefaultTariff, {}, 2},
        {used, Outcome::InUse, {QStringLiteral("Casa"), QStringLiteral("Ufficio")}, 2},
        {sibling, Outcome::Deleted, {}, 2},
        {999, Outcome::Missing, {}, 2},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.idTariffa);
        const TariffDeletion deletion = editing_.deleteTariff(step.idTariffa);
        EXPECT_EQ(deletion.outcome, step.outcome);
        EXPECT_EQ(deletion.entries, step.entries);
        EXPECT_EQ(companyCount(), step.companiesLeft);
    }
    EXPECT_FALSE(store_.tariffInfo(sibling));
    EXPECT_EQ(storedBands(sibling), 0);

    AssociationStore(database_).associate(QStringLiteral("Casa"), 1);
    AssociationStore(database_).associate(QStringLiteral("Ufficio"), 1);
    EXPECT_EQ(editing_.deleteTariff(used).outcome, Outcome::Deleted);
    EXPECT_EQ(editing_.deleteTariff(2).outcome, Outcome::DeletedWithCompany);
    EXPECT_FALSE(store_.company(2));
    EXPECT_EQ(storedBands(2), 0);
    EXPECT_EQ(scratch_.rows().front().servizio, QStringLiteral("Telecom Italia 1998")) << "the log keeps its name";
}

TEST_F(TariffEditingTest, WritesToWhatIsGoneAreErrorsThatChangeNothing)
{
    const QByteArray before = test::fileDigest(scratch_.path());
    EXPECT_THROW(editing_.replaceTariff(999, {kTelecom, QStringLiteral("x"), soundPulseBands()}), DatabaseError);
    EXPECT_THROW(editing_.createTariff({{77, QStringLiteral("Sparita"), QStringLiteral("Scatto")},
                                        QStringLiteral("x"), soundPulseBands()}),
                 DatabaseError);
    EXPECT_EQ(test::fileDigest(scratch_.path()), before);
}

} // namespace
} // namespace zrt::test
