#include "reliability_support.h"

#include "tests/monitor/monitor_fixture.h"

#include "database/band_settings.h"
#include "database/tariff_editing.h"
#include "database/tariff_update.h"

#include <QTemporaryDir>

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
        EXPECT_EQ(associations.find(text).value().connessione, text);

        const int company = store.addCompany(text, text);
        EXPECT_EQ(store.company(company)->tipotariffazione, text);
        const QString renamed = text + QStringLiteral(" (2)");
        store.updateCompany({company, renamed, QStringLiteral("Minuto")});

        const Band morning{DayType::Fer, {0}, {8 * 3600}, 15, 30.6, 100, 27.6};
        const Band evening{DayType::Fer, {8 * 3600}, {kSecondsPerDay}, 15, 17.7, 100, std::nullopt};
        const Compagnia owner{company, renamed, QStringLiteral("Minuto")};
        const int tariff = editing.createTariff({owner, text, {morning}});
        editing.replaceTariff(tariff, {owner, text + QStringLiteral("!"), {morning, evening}});
        editing.createTariff({{0, text + QStringLiteral(" (nuova)"), text}, text, {evening}});
        EXPECT_EQ(BandSettings(database).setReductionMinute(tariff, 7), 2);

        const QString path = folder.filePath(QStringLiteral("update-%1.mdb").arg(++file));
        exportUpdate(database, renamed, path);
        EXPECT_EQ(applyUpdate(into, path).bands, 2);
    }

    // Both databases list each tariff under its own name and its company's.
    for (Database* written : {&database, &into}) {
        QStringList names;
        for (const TariffaInfo& info : TariffStore(*written).tariffs())
            names << info.descrizione + QLatin1Char('|') + info.compagnia;
        for (const QString& text : hostileTexts())
            EXPECT_TRUE(names.contains(text + QStringLiteral("!|") + text + QStringLiteral(" (2)"))) << shown(text);
        EXPECT_EQ(schemaOf(*written), schema);
        EXPECT_EQ(integrityOf(*written), QStringLiteral("ok"));
    }
    EXPECT_EQ(rowCount(database, QStringLiteral("Associazioni Connessioni")), hostileTexts().size());
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
        writeSimFile("connected", (name + QStringLiteral("\tcall\n")).toStdString());
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
