#include "tests/support/scratch_database.h"
#include "tests/support/tool_run.h"

#include "database/association_store.h"

#include <QJsonArray>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace zrt::test {
namespace {

using test::ToolRun;
using ::testing::HasSubstr;

ToolRun zrtellixctl(const QStringList& arguments)
{
    return test::runTool(QStringLiteral(ZRTELLIXCTL_PATH), arguments);
}

// The standard output of a run expected to end with `status`.
QString output(const QStringList& arguments, int status = 0)
{
    const ToolRun run = zrtellixctl(arguments);
    EXPECT_EQ(run.status, status) << arguments.join(' ').toStdString() << ": " << run.err.toStdString();
    return run.out;
}

// The shipped tariffs with "Casa" on the pulse tariff and "Ufficio" on the
// per-minute one.
class Zrtellixctl : public testing::Test {
protected:
    void SetUp() override
    {
        Database database = scratch_.open();
        AssociationStore(database).associate(QStringLiteral("Casa"), 2);
        AssociationStore(database).associate(QStringLiteral("Ufficio"), 1);
    }

    QJsonObject cost(const char* entry, const char* start, int seconds)
    {
        const QString out = output({"cost", "--db", scratch_.path(), "--entry", entry, "--start", start, "--seconds",
                                    QString::number(seconds)});
        return QJsonDocument::fromJson(out.toUtf8()).object();
    }

    test::ScratchDatabase scratch_;
};

TEST_F(Zrtellixctl, CostPricesEachMomentAtItsOwnBand)
{
    const struct {
        const char* entry;
        const char* start;
        int seconds;
        int pulses;
        double lire;
        const char* lireText;
        const char* euroText;
    } cases[] = {
        {"Casa", "2026-12-07 10:00:00", 179, 0, 152.4, "152", ",079"},
        {"Casa", "2026-12-07 10:00:00", 180, 1, 304.8, "305", ",157"},
        {"Casa", "2026-12-07 17:30:00", 5400, 25, 3962.4, "3.962", "2,046"}, // across 18:30
        {"casa", "2026-12-08 10:00:00", 340, 1, 304.8, "305", ",157"},      // holiday, reduced rate
        {"Ufficio", "2026-12-07 10:00:00", 60, 1, 156.72, "157", ",081"},   // 100 + 30.60, with VAT
    };
    for (const auto& c : cases) {
        const QJsonObject result = cost(c.entry, c.start, c.seconds);
        EXPECT_EQ(result.value(QStringLiteral("seconds")).toInt(), c.seconds) << c.start;
        EXPECT_EQ(result.value(QStringLiteral("pulses")).toInt(), c.pulses) << c.start;
        EXPECT_NEAR(result.value(QStringLiteral("cost_lire")).toDouble(), c.lire, 1e-9) << c.start;
        EXPECT_EQ(result.value(QStringLiteral("display_lire")).toString(), QString::fromUtf8(c.lireText));
        EXPECT_EQ(result.value(QStringLiteral("display_euro")).toString(), QString::fromUtf8(c.euroText));
    }
}

TEST_F(Zrtellixctl, FailuresGiveTheirExitStatusAndLeaveTheFileAlone)
{
    QTemporaryDir folder;
    const QString garbage = folder.filePath(QStringLiteral("garbage.T99"));
    {
        QFile file(garbage);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is not a database");
    }
    const QString db = scratch_.path();
    const QByteArray before = test::fileDigest(db);
    const struct {
        QStringList arguments;
        int status;
        const char* message;
    } cases[] = {
        {{}, 2, "no command"},
        {{"frobnicate"}, 2, "unknown command"},
        {{"daytype"}, 2, "expected 1"},
        {{"daytype", "2026-02-30"}, 2, "real date"},
        {{"cost", "--db", db, "--entry", "Casa", "--start", "2026-12-07", "--seconds", "1"}, 2, "--start"},
        {{"cost", "--db", db, "--entry", "Casa", "--start", "2026-12-07 10:00:00", "--seconds", "dieci"}, 2,
         "--seconds"},
        {{"cost", "--db", db, "--entry", "Casa", "--start", "2026-12-07 10:00:00"}, 2, "--seconds is required"},
        {{"log", "--db", db, "--year", "2026", "--month", "13"}, 2, "--month"},
        {{"log", "--db", db, "--year", "2026", "--month", "1", "--bogus"}, 2, "unknown option"},
        {{"cost", "--db", db, "--entry", "Nessuno", "--start", "2026-12-07 10:00:00", "--seconds", "1"}, 1,
         "not associated"},
        {{"tariffs", "--db", folder.filePath(QStringLiteral("missing.T99"))}, 1, "does not exist"},
        {{"tariffs", "--db", garbage}, 1, "not a SQLite database file"},
        {{"init", "--db", db}, 1, "already exists"},
    };
    for (const auto& c : cases) {
        const ToolRun run = zrtellixctl(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_THAT(run.err.toStdString(), HasSubstr(c.message));
    }
    EXPECT_EQ(test::fileDigest(db), before);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("missing.T99"))));
}

TEST_F(Zrtellixctl, DayTypeBandAndEmptyInit)
{
    EXPECT_EQ(output({"daytype", "2027-12-24"}), QStringLiteral("PRE\n"));
    const QStringList band{"band", "--db", scratch_.path(), "--entry", "Casa", "--at"};
    EXPECT_THAT(output(band + QStringList{"2026-12-07 18:29:59"}).toStdString(), HasSubstr("FER 08:00:00-18:30:00"));
    EXPECT_THAT(output(band + QStringList{"2026-12-07 18:30:00"}, 1).toStdString(), HasSubstr("No band"));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("new.T99"));
    output({"init", "--db", path, "--empty"});
    EXPECT_EQ(output({"tariffs", "--db", path}), QStringLiteral("IVA 20%\n")) << "no companies";
}

// The shipped tariffs are sound; each problem of a broken one is a line
// naming its company and tariff.
TEST_F(Zrtellixctl, CheckListsTheProblemsOfEveryTariff)
{
    EXPECT_EQ(output({"check", "--db", scratch_.path()}), QString());
    {
        Database database = scratch_.open();
        database.query(QStringLiteral("UPDATE Fasce SET Fine = '10:00:00' WHERE id_Tariffa = 1 AND tipo = 'FER' "
                                      "AND Inizio = '08:00:00'"));
        database.query(QStringLiteral("UPDATE Fasce SET Inizio = '13:00:00', Fine = '10:00:00', Durata = 0 "
                                      "WHERE id_Tariffa = 2 AND tipo = 'FES'"));
    }
    const QStringList lines = output({"check", "--db", scratch_.path()}, 1).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines, (QStringList{
        "Telecom Italia / Urbana 2000: no weekday (FER) band from 10:00:00 to 18:30:00",
        "Telecom Italia 1998 / Urbana a scatti: no holiday (FES) band from 00:00:00 to 24:00:00",
        "Telecom Italia 1998 / Urbana a scatti: the holiday (FES) band 13:00:00-10:00:00 ends before it starts",
        "Telecom Italia 1998 / Urbana a scatti: the holiday (FES) band 13:00:00-10:00:00 has a pulse length of 0 s "
        "(allowed: 1 to 86400)",
    }));
    EXPECT_EQ(zrtellixctl({"check", "--db", scratch_.path(), "--year", "2026"}).status, 2);
}

TEST_F(Zrtellixctl, LogListsTheMonthWithItsTotal)
{
    {
        Database database = scratch_.open();
        ConnectionLog log(database);
        const int first = log.open(QStringLiteral("Casa, \"mia\""), *parseLocalDateTime("2026-12-01 09:00:00"),
                                   QStringLiteral("Telecom Italia 1998"));
        log.close(first, *parseTimeOfDay("10:00:00"), {1234000, 20, 3600});
        const int second = log.open(QStringLiteral("Ufficio"), *parseLocalDateTime("2026-12-31 23:00:00"),
                                    QStringLiteral("Telecom Italia"));
        log.close(second, *parseTimeOfDay("00:10:00"), {567, 70, 4200});
    }
    const QStringList log{"log", "--db", scratch_.path(), "--year", "2026", "--month", "12"};
    const std::string table = output(log).toStdString();
    EXPECT_THAT(table, HasSubstr("01/12/2026 09:00:00"));
    EXPECT_THAT(table, HasSubstr("Totale Spesa nel periodo: 1.234.567"));

    const QStringList lines = output(log + QStringList{"--csv"}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[1],
              QStringLiteral("2026-12-01,09:00:00,10:00:00,20,1234000,\"Casa, \"\"mia\"\"\",Telecom Italia 1998,,"));
    EXPECT_EQ(lines[3], QStringLiteral("Totale,,,,1234567,,,,"));
}

// A month with a call no tariff priced and entry names meant to fool a
// terminal or a spreadsheet.
TEST_F(Zrtellixctl, LogShowsUnknownCostsAsUnknownAndHostileNamesAsPlainText)
{
    {
        Database database = scratch_.open();
        ConnectionLog log(database);
        const qint64 priced = log.open(QStringLiteral("\x1b[31mRosso"), *parseLocalDateTime("2026-12-01 09:00:00"),
                                       QStringLiteral("Telecom Italia 1998"));
        log.close(priced, *parseTimeOfDay("10:00:00"), LogFigures{1234, 20, 3600});
        const qint64 unpriced =
            log.open(LogRowStart{QStringLiteral("=HYPERLINK(\"x\")\r"), *parseLocalDateTime("2026-12-02 09:00:00"),
                                 kServizioNonDisponibile, std::nullopt, std::nullopt},
                     StoredFigures::unpriced(0));
        log.close(unpriced, *parseTimeOfDay("09:10:00"), StoredFigures::unpriced(600));
        const qint64 forged = log.open(QStringLiteral("Casa\n02/12/2026 fake"), *parseLocalDateTime("2026-12-03 09:00:00"),
                                       kServizioNonDisponibile);
        log.close(forged, *parseTimeOfDay("09:10:00"), StoredFigures::unpriced(600));
    }
    const QStringList log{"log", "--db", scratch_.path(), "--year", "2026", "--month", "12"};
    const QString table = output(log);
    EXPECT_FALSE(table.contains(QChar(0x1b)));
    EXPECT_THAT(table.toStdString(), HasSubstr("\\x1b[31mRosso"));
    EXPECT_THAT(table.toStdString(), HasSubstr("Casa\\n02/12/2026 fake"));
    EXPECT_EQ(table.count(QLatin1Char('\n')), 5) << "heading, three rows, total";
    EXPECT_THAT(table.toStdString(), HasSubstr("Totale Spesa nel periodo: 1.234 (2 connections without a tariff)"));

    const QStringList lines = output(log + QStringList{"--csv"}).split(QStringLiteral("\n"));
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[2], QStringLiteral("2026-12-02,09:00:00,09:10:00,,,\"'=HYPERLINK(\"\"x\"\")\r\",Non disponibile,,"));
    EXPECT_EQ(lines[3], QStringLiteral("2026-12-03,09:00:00,09:10:00,,,\"Casa"));
    EXPECT_EQ(lines[5], QStringLiteral("Totale,,,,1234,2 connections without a tariff,,,"));

    // JSON keeps the names exactly, numbers as numbers and unknown values as null.
    const QJsonObject json = QJsonDocument::fromJson(output(log + QStringList{"--json"}).toUtf8()).object();
    const QJsonArray connections = json.value(QStringLiteral("connections")).toArray();
    ASSERT_EQ(connections.size(), 3);
    const QJsonObject first = connections[0].toObject();
    EXPECT_EQ(first.value(QStringLiteral("entry")).toString(), QStringLiteral("\x1b[31mRosso"));
    EXPECT_EQ(first.value(QStringLiteral("cost_lire")), QJsonValue(1234));
    EXPECT_EQ(first.value(QStringLiteral("seconds")), QJsonValue(3600));
    EXPECT_EQ(first.value(QStringLiteral("end")).toString(), QStringLiteral("10:00:00"));
    const QJsonObject unknown = connections[1].toObject();
    EXPECT_EQ(unknown.value(QStringLiteral("entry")).toString(), QStringLiteral("=HYPERLINK(\"x\")\r"));
    for (const char* key : {"cost_lire", "pulses", "bytes_received"})
        EXPECT_TRUE(unknown.value(QLatin1String(key)).isNull()) << key;
    EXPECT_EQ(json.value(QStringLiteral("total_lire")), QJsonValue(1234));
    EXPECT_EQ(json.value(QStringLiteral("unpriced_calls")), QJsonValue(2));

    const ToolRun both = zrtellixctl(log + QStringList{"--csv", "--json"});
    EXPECT_EQ(both.status, 2);
}

// Each call's traffic, read back from every output: known counts as they
// are, up to the largest the log holds, unknown ones empty or null.
TEST_F(Zrtellixctl, LogGivesEachCallsTrafficInEveryOutput)
{
    const struct {
        std::optional<qint64> received;
        std::optional<qint64> sent;
        const char* table;
    } calls[] = {
        {12'000'000, 400'000, "12,4 MB"},
        {0, 0, "0 byte"},
        {std::nullopt, std::nullopt, ""},
        {qint64(1) << 60, 1, "1.152.921.504,6 GB"},
    };
    {
        Database database = scratch_.open();
        ConnectionLog log(database);
        for (const auto& call : calls) {
            StoredFigures figures = LogFigures{100, 1, 60};
            figures.byteRicevuti = call.received;
            figures.byteInviati = call.sent;
            const qint64 id = log.open(QStringLiteral("Casa"), *parseLocalDateTime("2026-12-01 09:00:00"),
                                       QStringLiteral("Telecom Italia"));
            log.close(id, *parseTimeOfDay("09:01:00"), figures);
        }
    }
    const QStringList log{"log", "--db", scratch_.path(), "--year", "2026", "--month", "12"};
    const QStringList table = output(log).split('\n', Qt::SkipEmptyParts);
    const QStringList csv = output(log + QStringList{"--csv"}).split('\n', Qt::SkipEmptyParts);
    const QJsonArray json = QJsonDocument::fromJson(output(log + QStringList{"--json"}).toUtf8())
                                .object()
                                .value(QStringLiteral("connections"))
                                .toArray();
    ASSERT_EQ(csv.size(), int(std::size(calls)) + 2);
    ASSERT_EQ(json.size(), int(std::size(calls)));
    EXPECT_TRUE(csv[0].endsWith(QStringLiteral(",servizio,byte_ricevuti,byte_inviati")));
    EXPECT_TRUE(table[0].contains(QStringLiteral("Traffico")));
    const auto csvText = [](const std::optional<qint64>& bytes) { return bytes ? QString::number(*bytes) : QString(); };
    const auto jsonValue = [](const std::optional<qint64>& bytes) { return bytes ? QJsonValue(*bytes) : QJsonValue(); };
    for (int i = 0; i < int(std::size(calls)); ++i) {
        SCOPED_TRACE(i);
        const QStringList fields = csv[i + 1].split(QLatin1Char(','));
        ASSERT_EQ(fields.size(), 9);
        EXPECT_EQ(fields[7], csvText(calls[i].received));
        EXPECT_EQ(fields[8], csvText(calls[i].sent));
        const QJsonObject connection = json[i].toObject();
        EXPECT_EQ(connection.value(QStringLiteral("bytes_received")), jsonValue(calls[i].received));
        EXPECT_EQ(connection.value(QStringLiteral("bytes_sent")), jsonValue(calls[i].sent));
        const QString traffic = table[i + 1].mid(48).section(QStringLiteral(" Casa / "), 0, 0).trimmed();
        EXPECT_EQ(traffic, QString::fromUtf8(calls[i].table)) << table[i + 1].toStdString();
    }
}

StoredFigures withTraffic(StoredFigures figures, qint64 received, qint64 sent)
{
    figures.byteRicevuti = received;
    figures.byteInviati = sent;
    return figures;
}

TEST_F(Zrtellixctl, StatsInJsonSumTheYearByMonthAndEntry)
{
    {
        Database database = scratch_.open();
        ConnectionLog log(database);
        const struct {
            const char* entry;
            const char* start;
            const char* end;
            StoredFigures figures;
        } calls[] = {
            {"Casa", "2026-03-02 09:00:00", "09:10:00", withTraffic(LogFigures{1000, 8, 600}, 5'000, 700)},
            {"Casa", "2026-03-09 09:00:00", "09:01:00", withTraffic(LogFigures{250, 2, 60}, 1'000, 300)},
            {"Ufficio", "2026-03-10 09:00:00", "09:30:00", StoredFigures::unpriced(1800)},
            {"Ufficio", "2026-11-30 22:00:00", "22:02:00", LogFigures{90, 1, 120}},
            {"Casa", "2025-03-02 09:00:00", "09:10:00", LogFigures{7000, 8, 600}},
        };
        for (const auto& call : calls) {
            const qint64 id = log.open({QString::fromLatin1(call.entry), *parseLocalDateTime(call.start),
                                        QStringLiteral("Telecom Italia 1998"), std::nullopt, std::nullopt},
                                       call.figures);
            log.close(id, *parseTimeOfDay(call.end), call.figures);
        }
    }
    const QJsonObject json = QJsonDocument::fromJson(
                                 output({"stats", "--db", scratch_.path(), "--year", "2026", "--json"}).toUtf8())
                                 .object();
    EXPECT_EQ(json.value(QStringLiteral("year")), QJsonValue(2026));

    const QJsonArray months = json.value(QStringLiteral("months")).toArray();
    ASSERT_EQ(months.size(), 12);
    const QJsonObject march{{"month", 3},        {"calls", 3},          {"seconds", 2460},
                            {"cost_lire", 1250}, {"unpriced_calls", 1}, {"bytes_received", 6'000},
                            {"bytes_sent", 1'000}};
    EXPECT_EQ(months.at(2).toObject(), march);
    EXPECT_TRUE(months.at(10).toObject().value(QStringLiteral("bytes_received")).isNull()) << "none counted";
    EXPECT_EQ(months.at(10).toObject().value(QStringLiteral("cost_lire")), QJsonValue(90));
    EXPECT_EQ(months.at(0).toObject().value(QStringLiteral("calls")), QJsonValue(0));
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(months.at(month - 1).toObject().value(QStringLiteral("month")), QJsonValue(month));

    const QJsonArray entries = json.value(QStringLiteral("entries")).toArray();
    ASSERT_EQ(entries.size(), 2);
    const QJsonObject casa{{"entry", "Casa"}, {"calls", 2}, {"seconds", 660}, {"cost_lire", 1250}, {"unpriced_calls", 0}};
    const QJsonObject ufficio{
        {"entry", "Ufficio"}, {"calls", 2}, {"seconds", 1920}, {"cost_lire", 90}, {"unpriced_calls", 1}};
    EXPECT_EQ(entries.at(0).toObject(), casa);
    EXPECT_EQ(entries.at(1).toObject(), ufficio);

    const QString table = output({"stats", "--db", scratch_.path(), "--year", "2026"});
    EXPECT_THAT(table.toStdString(), HasSubstr("Totale 2026"));
    EXPECT_THAT(table.toStdString(), HasSubstr("7,0 kB"));
    EXPECT_EQ(zrtellixctl({"stats", "--db", scratch_.path()}).status, 2) << "the year is required";
}

TEST_F(Zrtellixctl, StatusInJsonNamesTheFileAndTheMonth)
{
    const QJsonObject status =
        QJsonDocument::fromJson(output({"status", "--db", scratch_.path(), "--json"}).toUtf8()).object();
    EXPECT_EQ(status.value(QStringLiteral("database")).toString(), QFileInfo(scratch_.path()).absoluteFilePath());
    EXPECT_EQ(status.value(QStringLiteral("vat")), QJsonValue(20));
    EXPECT_EQ(status.value(QStringLiteral("month_calls")), QJsonValue(0));
    EXPECT_TRUE(status.value(QStringLiteral("limit_lire")).isNull());
}

TEST_F(Zrtellixctl, LimitIsSetClearedAndShownByStatus)
{
    const struct {
        QStringList arguments;
        int status;
        std::optional<qint64> limit; // as status --json shows it afterwards
    } cases[] = {
        {{"--set", "50000"}, 0, 50'000},
        {{"--set", "abc"}, 2, 50'000},
        {{"--set", "0"}, 1, 50'000},
        {{"--set", "1000000000001"}, 1, 50'000},
        {{"--set", "1000000000000"}, 0, 1'000'000'000'000},
        {{"--set", "20000", "--clear"}, 2, 1'000'000'000'000},
        {{}, 2, 1'000'000'000'000},
        {{"--clear"}, 0, std::nullopt},
        {{"--set", "20000"}, 0, 20'000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(zrtellixctl(QStringList{"limit", "--db", scratch_.path()} + c.arguments).status, c.status);
        const QJsonObject status =
            QJsonDocument::fromJson(output({"status", "--db", scratch_.path(), "--json"}).toUtf8()).object();
        const QJsonValue limit = status.value(QStringLiteral("limit_lire"));
        const QJsonValue used = status.value(QStringLiteral("limit_used_percent"));
        if (c.limit) {
            EXPECT_EQ(limit, QJsonValue(*c.limit));
            EXPECT_TRUE(used.isDouble()) << "known when a limit is set";
        } else {
            EXPECT_TRUE(limit.isNull());
            EXPECT_TRUE(used.isNull()) << "unknown without a limit, never 0";
        }
    }
    EXPECT_THAT(output({"status", "--db", scratch_.path()}).toStdString(), HasSubstr("Limite:        20.000 Lire, usato il 0,0%"));
}

TEST_F(Zrtellixctl, RepriceGivesTheCallsOfAMonthTheirCost)
{
    {
        Database database = scratch_.open();
        ConnectionLog log(database);
        for (const char* entry : {"Casa", "Nessuno"}) {
            const qint64 id = log.open(LogRowStart{QString::fromUtf8(entry), *parseLocalDateTime("2026-12-07 10:00:00"),
                                                   kServizioNonDisponibile, std::nullopt, std::nullopt},
                                       StoredFigures::unpriced(0));
            log.close(id, *parseTimeOfDay("10:03:00"), StoredFigures::unpriced(180));
        }
    }
    const QStringList reprice{"reprice", "--db", scratch_.path(), "--year", "2026", "--month", "12"};
    EXPECT_EQ(output(reprice), QStringLiteral("1 connections repriced, 1 still without a tariff\n"));
    EXPECT_EQ(scratch_.rows().first().costo, 305);
    EXPECT_EQ(scratch_.rows().first().servizio, QStringLiteral("Telecom Italia 1998"));
    EXPECT_EQ(output(reprice), QStringLiteral("0 connections repriced, 1 still without a tariff\n"));

    // Another program holds the file locked past the tool's wait.
    Database holder = scratch_.open();
    holder.query(QStringLiteral("BEGIN EXCLUSIVE"));
    const ToolRun locked = zrtellixctl(reprice);
    EXPECT_EQ(locked.status, 1);
    EXPECT_THAT(locked.err.toStdString(), HasSubstr("locked"));
    holder.query(QStringLiteral("ROLLBACK"));
}

TEST_F(Zrtellixctl, NewFilesAreNeverCreatedThroughALink)
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("elsewhere"));
    const QString link = folder.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(target, link));
    const QStringList commands[] = {
        {"init", "--db", link},
        {"export-update", "--db", scratch_.path(), "--company", "Telecom Italia", "--out", link},
    };
    for (const QStringList& command : commands) {
        const ToolRun run = zrtellixctl(command);
        EXPECT_EQ(run.status, 1) << command.first().toStdString();
        EXPECT_THAT(run.err.toStdString(), HasSubstr("symbolic link"));
        EXPECT_FALSE(QFileInfo::exists(target));
    }
}

// The tool speaks English, and Italian to a user whose language is Italian.
TEST(ZrtellixctlLanguage, FollowsTheUsersLanguage)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C", "the date must be a real date written YYYY-MM-DD"},
        {"de_DE.UTF-8", "the date must be a real date written YYYY-MM-DD"},
        {"it_IT.UTF-8", "la data deve essere una data vera scritta AAAA-MM-GG"},
    };
    for (const auto& [lang, expected] : cases) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* overriding : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            environment.remove(QLatin1String(overriding));
        environment.insert(QStringLiteral("LANG"), QLatin1String(lang));
        const ToolRun run = test::runTool(QStringLiteral(ZRTELLIXCTL_PATH), {QStringLiteral("daytype"), QStringLiteral("2026-02-30")},
                                          environment);
        EXPECT_EQ(run.status, 2) << lang;
        EXPECT_THAT(run.err.toStdString(), HasSubstr(expected)) << lang;
    }
}

} // namespace
} // namespace zrt::test
