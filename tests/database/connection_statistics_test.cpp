#include "tests/support/scratch_database.h"

#include "database/connection_statistics.h"

#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

#include <random>

namespace zrt::test {
namespace {

struct GeneratedRow {
    Date date;
    QString connessione;
    std::optional<qint64> secondi;
    std::optional<qint64> costo;
    std::optional<qint64> received = std::nullopt;
    std::optional<qint64> sent = std::nullopt;
};

QVariant nullable(const std::optional<qint64>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::LongLong));
}

QString isoText(Date date)
{
    return QString::fromStdString(formatIsoDate(date));
}

void insert(Database& database, const GeneratedRow& row)
{
    database.query(QStringLiteral("INSERT INTO Connessioni (data, Connessione, inizio, fine, secondi, costo, "
                                  "byte_ricevuti, byte_inviati) VALUES (?, ?, '10:00:00', '11:00:00', ?, ?, ?, ?)"),
                   {isoText(row.date), row.connessione, nullable(row.secondi), nullable(row.costo),
                    nullable(row.received), nullable(row.sent)});
}

// Calls spread over 2026 by a fixed seed, with the cases the sums must leave
// out or count apart, and calls of the years around it.
QList<GeneratedRow> generatedRows()
{
    std::mt19937 random(1999);
    const QStringList entries{QStringLiteral("Casa"), QStringLiteral("Ufficio"), QStringLiteral("Tìscali")};
    QList<GeneratedRow> rows;
    for (int i = 0; i < 600; ++i) {
        const Date date = addDays(Date{2026, 1, 1}, random() % 365);
        const std::optional<qint64> costo = i % 17 == 0 ? std::nullopt : std::optional<qint64>(random() % 5000);
        // Most calls have their traffic counted; some only one way, as a
        // file written by hand may hold.
        const auto bytes = [&](int every) {
            return i % every == 0 ? std::nullopt : std::optional<qint64>(random() % 50'000'000);
        };
        rows.append({date, entries.at(random() % entries.size()), qint64(random() % 7200), costo, bytes(3), bytes(5)});
    }
    rows.append({{2026, 2, 10}, QStringLiteral("Casa"), 60, 100, 0, 0});
    rows.append({{2026, 5, 4}, QStringLiteral("Casa"), 60, -1});
    rows.append({{2026, 5, 4}, QStringLiteral("Casa"), 60, kHighestCredibleCost + 1});
    rows.append({{2026, 8, 15}, QStringLiteral("Casa"), std::nullopt, 100});
    rows.append({{2025, 12, 31}, QStringLiteral("Casa"), 60, 1000});
    rows.append({{2027, 1, 1}, QStringLiteral("Vecchia"), 60, 1000});
    return rows;
}

bool credible(const std::optional<qint64>& costo)
{
    return costo && isCredibleCost(*costo);
}

void addKnown(std::optional<qint64>& sum, const std::optional<qint64>& bytes)
{
    if (bytes)
        sum = sum.value_or(0) + *bytes;
}

void add(CallFigures& figures, const GeneratedRow& row)
{
    addKnown(figures.bytesReceived, row.received);
    addKnown(figures.bytesSent, row.sent);
    ++figures.calls;
    figures.seconds += row.secondi.value_or(0);
    figures.lire += credible(row.costo) ? *row.costo : 0;
    figures.unpriced += credible(row.costo) ? 0 : 1;
}

// The year's figures summed row by row.
YearStatistics expectedStatistics(const QList<GeneratedRow>& rows, int year)
{
    YearStatistics expected;
    expected.year = year;
    QMap<QString, CallFigures> entries;
    for (const GeneratedRow& row : rows) {
        if (row.date.year != year)
            continue;
        add(expected.months.at(row.date.month - 1), row);
        add(expected.dayTypes.at(static_cast<int>(dayTypeOf(row.date))), row);
        add(entries[row.connessione], row);
    }
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        expected.entries.append({it.key(), it.value()});
    return expected;
}

class ConnectionStatistics : public testing::Test {
protected:
    void SetUp() override
    {
        Transaction transaction(database_);
        for (const GeneratedRow& row : rows_)
            insert(database_, row);
        transaction.commit();
    }

    ScratchDatabase scratch_;
    Database database_ = scratch_.open();
    const QList<GeneratedRow> rows_ = generatedRows();
};

TEST_F(ConnectionStatistics, YearMatchesTheRowsSummedOneByOne)
{
    const YearStatistics expected = expectedStatistics(rows_, 2026);
    const YearStatistics actual = yearStatistics(database_, 2026);

    EXPECT_EQ(actual.year, 2026);
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(actual.month(month), expected.month(month)) << "month " << month;
    for (DayType type : {DayType::Fer, DayType::Pre, DayType::Fes})
        EXPECT_EQ(actual.dayType(type), expected.dayType(type)) << dayTypeCode(type);
    EXPECT_EQ(actual.entries, expected.entries);
    EXPECT_EQ(actual.total().calls, 604);
}

TEST_F(ConnectionStatistics, MonthsAgreeWithTheLogTotals)
{
    const YearStatistics statistics = yearStatistics(database_, 2026);
    const ConnectionLog log(database_);
    for (int month = 1; month <= 12; ++month) {
        const LogTotal total = log.monthTotal(2026, month);
        EXPECT_EQ(statistics.month(month).lire, total.lire) << "month " << month;
        EXPECT_EQ(statistics.month(month).unpriced, total.unpriced) << "month " << month;
        EXPECT_EQ(statistics.month(month).calls, log.month(2026, month).size()) << "month " << month;
    }
}

TEST_F(ConnectionStatistics, YearsAroundHoldOnlyTheirOwnCalls)
{
    const struct {
        int year;
        qint64 calls;
        int entries;
    } cases[] = {{2025, 1, 1}, {2027, 1, 1}, {1998, 0, 0}};
    for (const auto& c : cases) {
        const YearStatistics statistics = yearStatistics(database_, c.year);
        EXPECT_EQ(statistics.total().calls, c.calls) << c.year;
        EXPECT_EQ(statistics.entries.size(), c.entries) << c.year;
        EXPECT_EQ(statistics.total().lire, c.calls * 1000) << c.year;
        EXPECT_EQ(statistics.total().bytesReceived, std::nullopt) << c.year << ": no traffic counted";
    }
}

} // namespace
} // namespace zrt::test
