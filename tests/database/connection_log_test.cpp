#include "tests/support/scratch_database.h"
#include "tests/support/local_time.h"

#include "database/association_store.h"
#include "database/connection_log.h"
#include "database/database_error.h"

#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

#include <limits>

namespace zrt::test {
namespace {

TimeOfDay time(const char* text)
{
    return *parseTimeOfDay(text);
}

// Inserts a row as another program could have left it.
void insertRow(Database& database, const QVariant& id, const char* data, const QVariant& fine, const QVariant& costo,
               const char* servizio = "Telecom Italia 1998", const char* entry = "Casa", qint64 secondi = 180)
{
    database.query(QStringLiteral("INSERT INTO Connessioni (id, data, Connessione, inizio, fine, scatti, costo, "
                                  "servizio, secondi) VALUES (?, ?, ?, '10:00:00', ?, ?, ?, ?, ?)"),
                   {id, QString::fromLatin1(data), QString::fromUtf8(entry), fine,
                    costo.isNull() ? QVariant(QMetaType(QMetaType::LongLong)) : QVariant(1), costo,
                    QString::fromUtf8(servizio), secondi});
}

const QVariant kNull{QMetaType(QMetaType::LongLong)};
const QVariant kOpen{QMetaType(QMetaType::QString)};

class ConnectionLogTest : public testing::Test {
protected:
    ScratchDatabase scratch_;
    Database database_ = scratch_.open();
    ConnectionLog log_{database_};
};

// A call no band prices keeps no cost from its first write to its last,
// and what tells it from others comes back as written.
TEST_F(ConnectionLogTest, UnknownFiguresStayUnknownFromOpenToClose)
{
    const qint64 id = log_.open(LogRowStart{QStringLiteral("Casa"), at("2026-12-07 10:00:00"), kServizioNonDisponibile,
                                            1796634000, QStringLiteral("ppp0 4321")},
                                StoredFigures::unpriced(0));
    EXPECT_EQ(figuresOf(*log_.row(id)), (RowFigures{"10:00:00", "", 0, std::nullopt, std::nullopt}));
    EXPECT_TRUE(log_.checkpoint(id, StoredFigures::unpriced(30)));
    EXPECT_EQ(figuresOf(*log_.row(id)), (RowFigures{"10:00:00", "", 30, std::nullopt, std::nullopt}));
    EXPECT_TRUE(log_.close(id, time("10:00:40"), StoredFigures::unpriced(40)));
    const LogRow row = *log_.row(id);
    EXPECT_EQ(figuresOf(row), (RowFigures{"10:00:00", "10:00:40", 40, std::nullopt, std::nullopt}));
    EXPECT_EQ(row.inizioUtc, 1796634000);
    EXPECT_EQ(row.collegamento, QStringLiteral("ppp0 4321"));
    EXPECT_EQ(row.byteRicevuti, std::nullopt);
    EXPECT_EQ(row.byteInviati, std::nullopt);

    const qint64 known = log_.open(QStringLiteral("Casa"), at("2026-12-07 11:00:00"), QStringLiteral("Telecom"));
    EXPECT_EQ(log_.row(known)->inizioUtc, std::nullopt);
    EXPECT_EQ(log_.row(known)->collegamento, std::nullopt);
    EXPECT_EQ(figuresOf(*log_.row(known)), (RowFigures{"11:00:00", "", 0, 0, 0}));
}

// A checkpoint or close writes its own row only while it is open, and
// says whether it did.
TEST_F(ConnectionLogTest, UpdatesTouchOnlyTheirOwnOpenRow)
{
    const qint64 closed = log_.open(QStringLiteral("Casa"), at("2026-12-07 23:59:30"), QStringLiteral("Telecom"));
    ASSERT_TRUE(log_.close(closed, time("00:05:30"), LogFigures{610, 2, 360}));
    const qint64 deleted = log_.open(QStringLiteral("Casa"), at("2026-12-08 09:00:00"), QStringLiteral("Telecom"));
    database_.query(QStringLiteral("DELETE FROM Connessioni WHERE id = ?"), {deleted});
    const qint64 open = log_.open(QStringLiteral("Casa"), at("2026-12-08 10:00:00"), QStringLiteral("Telecom"));

    const struct { qint64 id; bool written; } cases[] = {{closed, false}, {deleted, false}, {open, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(log_.checkpoint(c.id, LogFigures{1, 1, 1}), c.written);
        EXPECT_EQ(log_.close(c.id, time("12:00:00"), LogFigures{2, 2, 2}), c.written);
    }
    EXPECT_EQ(figuresOf(*log_.row(closed)), (RowFigures{"23:59:30", "00:05:30", 360, 2, 610}));
    EXPECT_FALSE(log_.row(deleted));
    EXPECT_EQ(figuresOf(*log_.row(open)), (RowFigures{"10:00:00", "12:00:00", 2, 2, 2}));
}

// Keys past 32 bits are neither cut short nor wrapped onto other rows.
TEST_F(ConnectionLogTest, KeysPast32BitsReachTheirOwnRows)
{
    insertRow(database_, 1, "2026-12-01", QStringLiteral("11:00:00"), 500);
    insertRow(database_, 2147483647LL, "2026-12-01", QStringLiteral("11:00:00"), 700);
    const qint64 next = log_.open(QStringLiteral("Casa"), at("2026-12-07 10:00:00"), QStringLiteral("Telecom"));
    EXPECT_EQ(next, 2147483648LL);
    EXPECT_TRUE(log_.close(next, time("10:03:00"), LogFigures{305, 1, 180}));
    EXPECT_EQ(log_.row(next)->costo, 305);

    insertRow(database_, 4294967296LL, "2026-12-07", kOpen, 0);
    ASSERT_EQ(log_.openRows().size(), 1);
    EXPECT_EQ(log_.openRows().first().id, 4294967296LL);
    EXPECT_TRUE(log_.close(4294967296LL, time("10:03:00"), LogFigures{305, 1, 180}));
    EXPECT_EQ(log_.row(1)->costo, 500) << "row 1 untouched";
    EXPECT_EQ(log_.row(1)->fine, QStringLiteral("11:00:00"));
    EXPECT_EQ(log_.monthPage(2026, 12, 2147483647LL, ConnectionLog::kPageRows).size(), 2);
}

// Rows without a cost, and rows whose cost no call could have, are counted
// apart; the sum of the others stops at the largest number.
TEST_F(ConnectionLogTest, TheTotalCountsWhatItLeavesOut)
{
    constexpr qint64 kMin = std::numeric_limits<qint64>::min();
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    const struct {
        const char* what;
        QList<QVariant> costs;
        qint64 lire;
        qint64 unpriced;
    } cases[] = {
        {"no rows", {}, 0, 0},
        {"known costs", {100, 1134}, 1234, 0},
        {"unknown costs", {100, kNull, kNull, 1134}, 1234, 2},
        {"a cost from an old fault", {kMin, 100}, 100, 1},
        {"costs beyond belief", {kMax, -1, 100}, 100, 2},
        {"a cost that is text", {QStringLiteral("tanto"), 100}, 100, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        database_.query(QStringLiteral("DELETE FROM Connessioni"));
        for (const QVariant& cost : c.costs)
            insertRow(database_, kNull, "2026-12-07", QStringLiteral("11:00:00"), cost);
        insertRow(database_, kNull, "2027-01-01", QStringLiteral("11:00:00"), kNull);
        const LogTotal total = log_.monthTotal(2026, 12);
        EXPECT_EQ(total.lire, c.lire);
        EXPECT_EQ(total.unpriced, c.unpriced);
    }

    database_.query(QStringLiteral("DELETE FROM Connessioni"));
    Transaction transaction(database_);
    for (int i = 0; i < 10000; ++i)
        insertRow(database_, kNull, "2026-12-07", QStringLiteral("11:00:00"), 1'000'000'000'000'000LL);
    transaction.commit();
    EXPECT_EQ(log_.monthTotal(2026, 12).lire, kMax) << "saturated, not wrapped";
}

// December 2026 with "Casa" on the pulse tariff (180 s at full rate: the
// answer and one pulse, 127 Lire each with VAT 20 %: 304.8) and "Nessuno"
// on no tariff.
TEST_F(ConnectionLogTest, RepricingPricesOnlyClosedRowsWithoutACost)
{
    AssociationStore(database_).associate(QStringLiteral("Casa"), 2);
    const struct {
        const char* what;
        const char* entry;
        const char* data;
        QVariant fine;
        QVariant costo;
        const char* servizio;
        std::optional<qint64> costAfter;
        const char* servizioAfter;
    } cases[] = {
        {"no cost", "Casa", "2026-12-07", QStringLiteral("10:03:00"), kNull, "Non disponibile", 305,
         "Telecom Italia 1998"},
        {"cost 0 of old", "Casa", "2026-12-31", QStringLiteral("10:03:00"), 0, "Non disponibile", 305,
         "Telecom Italia 1998"},
        {"no tariff", "Nessuno", "2026-12-07", QStringLiteral("10:03:00"), kNull, "Non disponibile", std::nullopt,
         "Non disponibile"},
        {"cost 0 of old, no tariff", "Nessuno", "2026-12-07", QStringLiteral("10:03:00"), 0, "Non disponibile",
         std::nullopt, "Non disponibile"},
        {"open", "Casa", "2026-12-07", kOpen, kNull, "Non disponibile", std::nullopt, "Non disponibile"},
        {"a real cost", "Casa", "2026-12-07", QStringLiteral("10:03:00"), 999, "Altra", 999, "Altra"},
        {"a real cost of 0", "Casa", "2026-12-07", QStringLiteral("10:03:00"), 0, "Altra", 0, "Altra"},
        {"another month", "Casa", "2027-01-01", QStringLiteral("10:03:00"), kNull, "Non disponibile", std::nullopt,
         "Non disponibile"},
    };
    for (const auto& c : cases)
        insertRow(database_, kNull, c.data, c.fine, c.costo, c.servizio, c.entry);

    const RepriceOutcome outcome = log_.repriceMonth(2026, 12);
    EXPECT_EQ(outcome.repriced, 2);
    EXPECT_EQ(outcome.stillUnpriced, 2);
    const QList<LogRow> rows = scratch_.rows();
    ASSERT_EQ(rows.size(), std::size(cases));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(cases[i].what);
        EXPECT_EQ(rows[i].costo, cases[i].costAfter);
        EXPECT_EQ(rows[i].servizio, QString::fromUtf8(cases[i].servizioAfter));
        if (cases[i].costAfter == 305) {
            EXPECT_EQ(rows[i].scatti, 1);
        }
    }
    EXPECT_EQ(log_.repriceMonth(2026, 12).repriced, 0) << "nothing left to price";
}

TEST_F(ConnectionLogTest, RepricingWithoutAValidVatChangesNothing)
{
    AssociationStore(database_).associate(QStringLiteral("Casa"), 2);
    insertRow(database_, kNull, "2026-12-07", QStringLiteral("10:03:00"), kNull, "Non disponibile");
    database_.query(QStringLiteral("UPDATE IVA SET iva = 250"));
    EXPECT_THROW(log_.repriceMonth(2026, 12), DatabaseError);
    EXPECT_EQ(scratch_.rows().first().costo, std::nullopt);
}

TEST_F(ConnectionLogTest, OpenRowsAreFoundThroughTheirIndex)
{
    QSqlQuery plan = database_.query(
        QStringLiteral("EXPLAIN QUERY PLAN SELECT id FROM Connessioni WHERE fine IS NULL ORDER BY id"));
    QString steps;
    while (plan.next())
        steps += plan.value(3).toString();
    EXPECT_TRUE(steps.contains(QStringLiteral("Connessioni aperte"))) << steps.toStdString();
}

} // namespace
} // namespace zrt::test
