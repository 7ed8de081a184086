#include "reliability_support.h"

#include "tests/monitor/monitor_fixture.h"

#include "database/association_store.h"
#include "database/band_settings.h"
#include "database/tariff_editing.h"
#include "database/tariff_store.h"
#include "database/tariff_update.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace zrt::test {
namespace {

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
        QStringLiteral("'\"];-- \u96FB\u8A71 ").repeated(400).left(4096),
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

// Every write path of the tariffs, associations and bands, and an update
// file exported from them and applied to another database, take the texts
// as they are and give them back unchanged; the schemas stay whole.
TEST(HostileText, EveryTariffWriteAndUpdateFileKeepsItExactly)
{
    ScratchDatabase scratch;
    ScratchDatabase other;
    QTemporaryDir folder;
    Database database = scratch.open();
    Database into = other.open();
    const QString schema = schemaOf(database);
    AssociationStore associations(database);
    TariffStore store(database);
    TariffEditing editing(database);
    int file = 0;
    for (const QString& text : hostileTexts()) {
        SCOPED_TRACE(shown(text));
        associations.associate(text, 1);
        ASSERT_TRUE(associations.find(text));
        EXPECT_EQ(associations.find(text)->connessione, text);

        const int company = store.addCompany(text, text);
        EXPECT_EQ(store.company(company)->nome, text);
        EXPECT_EQ(store.company(company)->tipotariffazione, text);
        const QString renamed = text + QStringLiteral(" (2)");
        store.updateCompany({company, renamed, QStringLiteral("Minuto")});
        EXPECT_EQ(store.company(company)->nome, renamed);

        const int tariff = store.addTariff(company, text);
        store.addBand(company, tariff, Band{DayType::Fer, {0}, {8 * 3600}, 15, 30.6, 100, 27.6});
        editing.updateTariff(tariff, company, text + QStringLiteral("!"));
        const Fascia added = editing.addNextBand(tariff, DayType::Fer);
        editing.updateBand(added.id, BandEdit{{8 * 3600}, {kSecondsPerDay}, std::nullopt, 17.7, 100});
        EXPECT_EQ(BandSettings(database).setReductionMinute(tariff, 7), 2);
        const std::optional<Tariff> read = store.tariff(tariff);
        ASSERT_TRUE(read);
        EXPECT_EQ(QString::fromStdString(read->compagnia), renamed);
        EXPECT_EQ(read->fasce.size(), 2u);

        const QString path = folder.filePath(QStringLiteral("update-%1.mdb").arg(++file));
        exportUpdate(database, renamed, path);
        EXPECT_EQ(checkUpdateFile(path).compagnia, renamed);
        EXPECT_EQ(applyUpdate(into, path).bands, 2);
        const Compagnia imported = TariffStore(into).companies().last();
        EXPECT_EQ(imported.nome, renamed);
        for (Database* written : {&database, &into}) {
            const QList<TariffaInfo> tariffs = TariffStore(*written).tariffs();
            EXPECT_TRUE(std::any_of(tariffs.begin(), tariffs.end(), [&](const TariffaInfo& info) {
                return info.descrizione == text + QStringLiteral("!");
            }));
        }
    }

    QStringList entries;
    for (const QString& text : hostileTexts())
        entries.append(QStringLiteral("#") + text);
    EXPECT_EQ(associations.ensureAssociated(entries), entries.size());
    for (const QString& entry : entries)
        EXPECT_EQ(associations.find(entry)->connessione, entry) << shown(entry);

    for (const Database* written : {&database, &into}) {
        EXPECT_EQ(schemaOf(*written), schema);
        EXPECT_EQ(integrityOf(*written), QStringLiteral("ok"));
    }
    EXPECT_EQ(rowCount(database, QStringLiteral("Associazioni Connessioni")), 2 * hostileTexts().size());
    EXPECT_EQ(rowCount(database, QStringLiteral("Compagnie Telefoniche")), 2 + hostileTexts().size());
}

// Dial-up entries named with hostile texts, metered and logged by the
// monitor from the simulated dialer's files.
using HostileEntries = MonitorFixture;

TEST_F(HostileEntries, AreLoggedUnderTheirExactNames)
{
    const QStringList& names = hostileTexts();
    writeSimFile("entries", (names.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString());
    {
        Database setup = scratch.open();
        AssociationStore(setup).ensureAssociated(names);
    }
    const QString schema = schemaOf(scratch.open());

    startMonitor();
    for (const QString& name : names) {
        writeSimFile("connected", (name + QLatin1Char('\n')).toStdString());
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
