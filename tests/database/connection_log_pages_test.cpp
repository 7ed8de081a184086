#include "tests/support/scratch_database.h"

#include "database/connection_log.h"

#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

QList<qint64> keys(const QList<LogRow>& rows)
{
    QList<qint64> ids;
    for (const LogRow& row : rows)
        ids.append(row.id);
    return ids;
}

// Reads a month as the log window does, a page at a time after the last key read.
QList<LogRow> readByPages(const ConnectionLog& log, int year, int month)
{
    QList<LogRow> rows;
    for (;;) {
        const QList<LogRow> page = log.monthPage(year, month, rows.isEmpty() ? 0 : rows.constLast().id,
                                                 ConnectionLog::kPageRows);
        EXPECT_LE(page.size(), ConnectionLog::kPageRows);
        rows.append(page);
        if (page.size() < ConnectionLog::kPageRows)
            return rows;
    }
}

// Two and a half pages of March, with connections of other months logged in
// between, as when the clock was set back or forward while the program ran.
TEST(ConnectionLogPages, PagesTogetherAreTheWholeMonthInKeyOrder)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    ConnectionLog log(database);
    QList<qint64> march;
    Transaction transaction(database);
    for (int i = 0; i < 2 * ConnectionLog::kPageRows + 100; ++i) {
        const QString date = i % 7 == 3   ? QStringLiteral("2026-02-28")
                             : i % 7 == 5 ? QStringLiteral("2026-04-01")
                                          : QStringLiteral("2026-03-%1").arg(1 + i % 31, 2, 10, QLatin1Char('0'));
        const QSqlQuery insert = database.query(
            QStringLiteral("INSERT INTO Connessioni (data, Connessione, inizio) VALUES (?, 'Casa', '10:00:00')"), {date});
        if (date.startsWith(QStringLiteral("2026-03")))
            march.append(insert.lastInsertId().toLongLong());
    }
    transaction.commit();

    EXPECT_EQ(keys(log.month(2026, 3)), march);
    EXPECT_EQ(keys(readByPages(log, 2026, 3)), march);
    EXPECT_EQ(log.monthPage(2026, 3, march.constLast(), ConnectionLog::kPageRows).size(), 0);
    EXPECT_EQ(keys(log.monthPage(2026, 3, march.at(9), 2)), (QList<qint64>{march.at(10), march.at(11)}));
    EXPECT_TRUE(log.monthPage(2026, 5, 0, ConnectionLog::kPageRows).isEmpty());
}

} // namespace
} // namespace zrt::test
