#include "reliability_support.h"

#include "tests/monitor/monitor_fixture.h"

#include "database/association_store.h"
#include "database/band_settings.h"
#include "database/tariff_editing.h"
#include "database/tariff_store.h"
#include "database/tariff_update.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace zrt::test {
namespace {

QString longText()
{
    QString text;
    while (text.size() < 4096)
        text += QStringLiteral("'\"];-- \u96FB\u8A71 ");
    return text.left(4096);
}

// Texts that break a statement built by pasting them in, or that a careless
// conversion would change. None holds a line end, so each can also be a
// dial-up entry of the simulated dialer.
const QStringList& hostileTexts()
{
    static const QStringList texts{
        QStringLiteral("O'Brien"),
        QStringLiteral("\"Casa\" di Mario"),
        QStringLiteral("[Ufficio]"),
        QStringLiteral("x]; DROP TABLE Connessioni;--"),
        QStringLiteral("'); DELETE FROM Tariffe; --"),
        QStringLiteral("a\"; DROP TABLE \"Associazioni Connessioni\"; --"),
        QString::fromUtf8("nul\0inside", 10),
        longText(),
        QStringLiteral("Citt\u00E0 \u260E \u96FB\u8A71 \u0395\u03BB\u03BB\u03AC\u03B4\u03B1 \u0627\u0644\u0639\u0631\u0628\u064A\u0629"),
        QString::fromUtf8("\xF0\x9F\x93\x9E modem"),
        QStringLiteral("%1 %2 \\ ? ?1 :name @p $1"),
        QStringLiteral("  spazi\tattorno  "),
    };
    return texts;
}

std::string shown(const QString& text)
{
    return text.left(40).toStdString();
}

// Every write path of the tariffs, associations and bands takes the texts
// as they are and gives them back unchanged, and the schema stays whole.
TEST(HostileText, EveryTariffWriteKeepsItExactly)
{
    ScratchDatabase scratch;
    Database database = scratch.open();
    const QStringList schema = schemaOf(database);
    AssociationStore associations(database);
    TariffStore store(database);
    TariffEditing editing(database);

    for (const QString& text : hostileTexts()) {
        SCOPED_TRACE(shown(text));
        associations.associate(text, 1);
        ASSERT_TRUE(associations.find(text));
        EXPECT_EQ(associations.find(text)->connessione, text);

        const int company = store.addCompany(text, text);
        EXPECT_EQ(store.company(company)->nome, text);
        EXPECT_EQ(store.company(company)->tipotariffazione, text);
        store.updateCompany({company, text + QStringLiteral(" (2)"), QStringLiteral("Minuto")});
        EXPECT_EQ(store.company(company)->nome, text + QStringLiteral(" (2)"));

        const int tariff = store.addTariff(company, text);
        store.addBand(company, tariff, Band{DayType::Fer, {0}, {8 * 3600}, 15, 30.6, 100, 27.6});
        editing.updateTariff(tariff, company, text + QStringLiteral("!"));
        const Fascia added = editing.addNextBand(tariff, DayType::Fer);
        editing.updateBand(added.id, BandEdit{{8 * 3600}, {kSecondsPerDay}, std::nullopt, 17.7, 100});
        EXPECT_EQ(BandSettings(database).setReductionMinute(tariff, 7), 2);

        const std::optional<Tariff> read = store.tariff(tariff);
        ASSERT_TRUE(read);
        EXPECT_EQ(QString::fromStdString(read->compagnia), text + QStringLiteral(" (2)"));
        EXPECT_EQ(read->fasce.size(), 2u);
        bool listed = false;
        for (const TariffaInfo& info : store.tariffs())
            listed = listed || (info.id == tariff && info.descrizione == text + QStringLiteral("!"));
        EXPECT_TRUE(listed);
    }

    QStringList entries;
    for (const QString& text : hostileTexts())
        entries.append(QStringLiteral("#") + text);
    EXPECT_EQ(associations.ensureAssociated(entries), entries.size());
    for (const QString& entry : entries)
        EXPECT_EQ(associations.find(entry)->connessione, entry) << shown(entry);

    EXPECT_EQ(schemaOf(database), schema);
    EXPECT_EQ(integrityOf(database), QStringLiteral("ok"));
    EXPECT_EQ(rowCount(database, QStringLiteral("Associazioni Connessioni")), 2 * hostileTexts().size());
    EXPECT_EQ(rowCount(database, QStringLiteral("Compagnie Telefoniche")), 2 + hostileTexts().size());
}

// A company with hostile texts goes out in an update file and comes back
// into another database unchanged.
TEST(HostileText, UpdateExportAndImportKeepItExactly)
{
    ScratchDatabase source(Content::Empty);
    ScratchDatabase target;
    QTemporaryDir folder;
    Database from = source.open();
    Database into = target.open();
    const QStringList schema = schemaOf(into);
    int file = 0;
    for (const QString& text : hostileTexts()) {
        SCOPED_TRACE(shown(text));
        TariffStore store(from);
        const int company = store.addCompany(text, QStringLiteral("Scatto"));
        store.addBand(company, store.addTariff(company, text + QStringLiteral(" A")),
                      Band{DayType::Fes, {0}, {kSecondsPerDay}, 340, 127, 127, std::nullopt});
        store.addTariff(company, text + QStringLiteral(" B"));

        const QString path = folder.filePath(QStringLiteral("update-%1.mdb").arg(++file));
        exportUpdate(from, text, path);
        EXPECT_EQ(checkUpdateFile(path).compagnia, text);
        const UpdateSummary summary = applyUpdate(into, path);
        EXPECT_EQ(summary.tariffs, 2);
        EXPECT_EQ(summary.bands, 1);

        const Compagnia imported = TariffStore(into).companies().last();
        EXPECT_EQ(imported.nome, text);
        QStringList descriptions;
        for (const TariffaInfo& info : TariffStore(into).tariffs()) {
            if (info.idCompagnia == imported.id)
                descriptions.append(info.descrizione);
        }
        EXPECT_EQ(descriptions, QStringList({text + QStringLiteral(" A"), text + QStringLiteral(" B")}));
    }
    EXPECT_EQ(schemaOf(into), schema);
    EXPECT_EQ(integrityOf(into), QStringLiteral("ok"));
}

// Dial-up entries named with hostile texts, metered and logged by the
// monitor from the simulated dialer's files.
class HostileEntries : public MonitorFixture {};

TEST_F(HostileEntries, AreLoggedUnderTheirExactNames)
{
    std::string phonebook;
    QStringList names;
    for (const QString& text : hostileTexts()) {
        const QByteArray name = text.toUtf8();
        phonebook.append(name.constData(), static_cast<size_t>(name.size())).append(1, '\n');
        names.append(text);
    }
    writeSimFile("entries", phonebook);
    {
        Database setup = scratch.open();
        AssociationStore(setup).ensureAssociated(names);
    }
    const QStringList schema = schemaOf(scratch.open());

    startMonitor();
    for (const QString& name : names) {
        const QByteArray bytes = name.toUtf8() + '\n';
        writeSimFile("connected", std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
        runSeconds(12);
        disconnect();
        second();
    }

    const QList<LogRow> logged = rows();
    ASSERT_EQ(logged.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(shown(names[i]));
        EXPECT_EQ(logged[i].connessione, names[i]);
        EXPECT_EQ(logged[i].servizio, QStringLiteral("Telecom Italia")) << "priced by its own tariff";
        EXPECT_EQ(logged[i].secondi, 12);
        EXPECT_FALSE(logged[i].fine.isEmpty());
    }
    Database reader = scratch.open();
    EXPECT_EQ(schemaOf(reader), schema);
    EXPECT_EQ(integrityOf(reader), QStringLiteral("ok"));
}

} // namespace
} // namespace zrt::test
