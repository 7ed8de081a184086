#include "tests/support/headless_run.h"
#include "reliability_support.h"

#include <QDateTime>
#include <QFile>
#include <QTimeZone>

#include <gmock/gmock.h>

#include <csignal>

namespace zrt::test {
namespace {

const QString kFakeTimeLibrary = QStringLiteral("/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");

// 25 October 2026, 01:00 UTC: Rome sets its clocks back from 03:00 CEST to
// 02:00 CET. 29 March 2026, 01:00 UTC: forward from 02:00 CET to 03:00 CEST.
// Both are Sundays.
const qint64 kOctoberChangeUtc = QDateTime(QDate(2026, 10, 25), QTime(1, 0), Qt::UTC).toSecsSinceEpoch();
const qint64 kMarchChangeUtc = QDateTime(QDate(2026, 3, 29), QTime(1, 0), Qt::UTC).toSecsSinceEpoch();

constexpr qint64 kAnswerLire = 100;
constexpr qint64 kEarlyLirePerSecond = 10;  // before 03:00 local
constexpr qint64 kLateLirePerSecond = 1000; // from 03:00 local

// zrtellix --headless with its wall clock moved by libfaketime, as far and
// as often as the test says: the moves are written to a file the library
// reads at every clock reading. The steady clock is left alone, as a real
// clock step leaves it. "Casa" is on a tariff of one pulse a second, 10
// Lire before 03:00 and 1000 Lire from then, with an answer charge of 100
// Lire and no VAT, so every second shows in the cost and where it falls.
class MovedClock : public testing::Test {
protected:
    void SetUp() override
    {
        if (!QFile::exists(kFakeTimeLibrary))
            GTEST_SKIP() << "libfaketime (Debian package faketime) is not installed";
        Database setup = scratch.open();
        VatStore(setup).write(0);
        AssociationStore(setup).associate(QStringLiteral("Casa"), addThreeOClockTariff(setup));
        writeSimFile(simFolder, "entries", "Casa\n");
    }

    static int addThreeOClockTariff(Database& database)
    {
        TariffStore store(database);
        const int company = store.addCompany(QStringLiteral("Prova delle tre"), QStringLiteral("Scatto"));
        const int tariff = store.addTariff(company, QStringLiteral("Cara dalle tre"));
        for (const DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes}) {
            store.addBand(company, tariff, Band{tipo, {0}, {3 * 3600}, 1, kEarlyLirePerSecond, kAnswerLire, std::nullopt});
            store.addBand(company, tariff,
                          Band{tipo, {3 * 3600}, {kSecondsPerDay}, 1, kLateLirePerSecond, kAnswerLire, std::nullopt});
        }
        return tariff;
    }

    // From now on the program's wall clock reads `utc` (and runs on from it).
    void setClock(qint64 utc)
    {
        offset_ = 0;
        moveClockBy(utc - QDateTime::currentSecsSinceEpoch());
    }
    void moveClockBy(qint64 seconds)
    {
        offset_ += seconds;
        QFile file(clockFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((offset_ >= 0 ? "+" : "") + QByteArray::number(offset_) + '\n');
    }

    std::unique_ptr<HeadlessRun> startProgram(const char* zone)
    {
        auto program = std::make_unique<HeadlessRun>(scratch.folder(), simFolder.path());
        program->setEnvironment(QStringLiteral("TZ"), QString::fromUtf8(zone));
        program->setEnvironment(QStringLiteral("LD_PRELOAD"), kFakeTimeLibrary);
        program->setEnvironment(QStringLiteral("FAKETIME_TIMESTAMP_FILE"), clockFile());
        program->setEnvironment(QStringLiteral("FAKETIME_NO_CACHE"), QStringLiteral("1"));
        program->setEnvironment(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        // A sanitized build wants its own library first; libfaketime does not mind.
        program->setEnvironment(QStringLiteral("ASAN_OPTIONS"),
                                qEnvironmentVariable("ASAN_OPTIONS") + QStringLiteral(":verify_asan_link_order=0"));
        EXPECT_TRUE(program->start());
        return program;
    }

    // Status lines of the metered call, for about `seconds` seconds.
    static void meter(HeadlessRun& program, int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            ASSERT_FALSE(program.waitForLine([](const QString& line) { return line.contains(QStringLiteral("Casa")); })
                             .isEmpty())
                << program.errors().toStdString();
    }

    // The line drops, the program notices and is stopped in order.
    void hangUpAndStop(HeadlessRun& program)
    {
        writeSimFile(simFolder, "connected", "");
        program.waitForLineStarting(QStringLiteral("Non connesso"));
        EXPECT_TRUE(program.stopWith(SIGTERM)) << program.errors().toStdString();
    }

    QString clockFile() const { return scratch.folder() + QStringLiteral("/clock"); }

    ScratchDatabase scratch;
    TempDir simFolder;

private:
    qint64 offset_ = 0;
};

// The cost of a call of `secondi` seconds starting at `startUtc`, each
// second at the band of its real local time in Rome.
qint64 trueCostInRome(qint64 startUtc, qint64 secondi)
{
    const QTimeZone rome("Europe/Rome");
    qint64 cost = kAnswerLire;
    for (qint64 second = 0; second < secondi; ++second) {
        const QDateTime local = QDateTime::fromSecsSinceEpoch(startUtc + second, rome);
        cost += local.time().hour() < 3 ? kEarlyLirePerSecond : kLateLirePerSecond;
    }
    return cost;
}

struct ClockStep {
    const char* name;
    qint64 seconds;
};

class ClockSteps : public MovedClock, public testing::WithParamInterface<ClockStep> {};

TEST_P(ClockSteps, NeitherAddNorRemoveTimeFromTheCall)
{
    setClock(QDateTime(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC).toSecsSinceEpoch());
    writeSimFile(simFolder, "connected", "Casa\n");
    const std::unique_ptr<HeadlessRun> program = startProgram("UTC");
    meter(*program, 3);
    moveClockBy(GetParam().seconds);
    meter(*program, 3);
    hangUpAndStop(*program);

    const QList<LogRow> rows = scratch.rows();
    ASSERT_EQ(rows.size(), 1);
    ASSERT_TRUE(rows[0].secondi && rows[0].costo);
    EXPECT_GE(*rows[0].secondi, 4);
    EXPECT_LE(*rows[0].secondi, 20) << "the step is not call time";
    EXPECT_EQ(rows[0].inizio.left(5), QStringLiteral("10:00"));
    EXPECT_EQ(*rows[0].costo, kAnswerLire + *rows[0].secondi * kLateLirePerSecond);
}

INSTANTIATE_TEST_SUITE_P(Steps, ClockSteps,
                         testing::Values(ClockStep{"TwoHoursForward", 2 * 3600}, ClockStep{"OneHourBack", -3600}),
                         [](const testing::TestParamInfo<ClockStep>& step) { return std::string(step.param.name); });

struct DaylightChange {
    const char* name;
    qint64 changeUtc;
};

class DaylightChanges : public MovedClock, public testing::WithParamInterface<DaylightChange> {};

// A call begun five seconds before the clocks change: in October its
// seconds after the change fall in the hour from 02:00 again, in March in
// the hour from 03:00.
TEST_P(DaylightChanges, PriceEachSecondAtItsRealLocalTime)
{
    setClock(GetParam().changeUtc - 5);
    writeSimFile(simFolder, "connected", "Casa\n");
    const std::unique_ptr<HeadlessRun> program = startProgram("Europe/Rome");
    meter(*program, 8);
    hangUpAndStop(*program);

    const QList<LogRow> rows = scratch.rows();
    ASSERT_EQ(rows.size(), 1);
    ASSERT_TRUE(rows[0].inizioUtc && rows[0].secondi && rows[0].costo);
    ASSERT_GT(*rows[0].inizioUtc + *rows[0].secondi, GetParam().changeUtc) << "the call crossed the change";
    EXPECT_EQ(*rows[0].costo, trueCostInRome(*rows[0].inizioUtc, *rows[0].secondi));
}

INSTANTIATE_TEST_SUITE_P(Changes, DaylightChanges,
                         testing::Values(DaylightChange{"OctoberBack", kOctoberChangeUtc},
                                         DaylightChange{"MarchForward", kMarchChangeUtc}),
                         [](const testing::TestParamInfo<DaylightChange>& change) {
                             return std::string(change.param.name);
                         });

// Killed at 02:55 CEST with the line up, started again at 02:01 CET: the
// same call, in the same row, with one answer charge.
TEST_F(MovedClock, ARestartInTheRepeatedHourResumesTheCall)
{
    setClock(kOctoberChangeUtc - 5 * 60);
    writeSimFile(simFolder, "connected", "Casa\n");
    {
        const std::unique_ptr<HeadlessRun> first = startProgram("Europe/Rome");
        meter(*first, 2);
        first->killHard();
    }
    setClock(kOctoberChangeUtc + 60);
    const std::unique_ptr<HeadlessRun> second = startProgram("Europe/Rome");
    meter(*second, 2);
    hangUpAndStop(*second);

    const QList<LogRow> rows = scratch.rows();
    ASSERT_EQ(rows.size(), 1) << "one call, one row";
    ASSERT_TRUE(rows[0].inizioUtc && rows[0].secondi && rows[0].costo);
    EXPECT_EQ(rows[0].inizio.left(5), QStringLiteral("02:55"));
    EXPECT_GE(*rows[0].secondi, 6 * 60) << "the time the program was down counts";
    EXPECT_LE(*rows[0].secondi, 6 * 60 + 20);
    EXPECT_EQ(*rows[0].costo, trueCostInRome(*rows[0].inizioUtc, *rows[0].secondi));
}

} // namespace
} // namespace zrt::test
