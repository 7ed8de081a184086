#include "reliability_support.h"

#include "tests/database/scratch_database.h"

#include "database/connection_log.h"
#include "database/database_error.h"
#include "database/tariff_store.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// Overwrites with noise a page in the middle of a table: the child of the
// middle cell of the table's root, an interior page.
void damageTheMiddleOf(const QString& path, const QString& table)
{
    const quint32 root = firstValue(Database::open(path),
                                    QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = '%1'").arg(table))
                             .toUInt();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll();
    const auto pageSize = static_cast<qint64>(qFromBigEndian<quint16>(bytes.constData() + 16));
    const char* page = bytes.constData() + (root - 1) * pageSize;
    constexpr char kInteriorTablePage = 0x05;
    ASSERT_EQ(page[0], kInteriorTablePage) << "the table spans several pages";
    const int cells = qFromBigEndian<quint16>(page + 3);
    ASSERT_GE(cells, 3);
    const quint16 middleCell = qFromBigEndian<quint16>(page + 12 + 2 * (cells / 2));
    ASSERT_TRUE(file.seek((qFromBigEndian<quint32>(page + middleCell) - 1) * pageSize));
    file.write(QByteArray(pageSize, '\xff'));
}

// A damaged file is reported as damaged: a read that fails half way is
// never taken for the whole tariff or the whole log.
TEST(DamagedDatabase, AReadFailingHalfWayIsAnErrorNotAShortAnswer)
{
    ScratchDatabase scratch;
    {
        Database database = scratch.open();
        Transaction transaction(database);
        QSqlQuery band = database.prepare(QStringLiteral(
            "INSERT INTO Fasce (id_compagnia, id_Tariffa, tipo, Inizio, Fine, Durata, Costo, CostoAllaRisposta) "
            "VALUES (1, 1, 'FES', ?, '24:00:00', 15, 17.7, 100)"));
        QSqlQuery row = database.prepare(QStringLiteral(
            "INSERT INTO Connessioni (data, Connessione, inizio, scatti, costo, servizio, secondi) "
            "VALUES ('2026-12-07', 'Casa', ?, 0, 0, 'Telecom Italia', 0)"));
        for (int i = 0; i < 3000; ++i) {
            const QString time = QString::fromStdString(formatTimeOfDay(TimeOfDay{i}));
            Database::execute(band, {time});
            Database::execute(row, {time});
        }
        transaction.commit();
    }
    damageTheMiddleOf(scratch.path(), QStringLiteral("Fasce"));
    damageTheMiddleOf(scratch.path(), QStringLiteral("Connessioni"));

    Database database = scratch.open();
    EXPECT_THROW(TariffStore(database).tariff(1), DatabaseError);
    EXPECT_THROW(TariffStore(database).bands(1, DayType::Fes), DatabaseError);
    EXPECT_THROW(ConnectionLog(database).openRows(), DatabaseError);
    EXPECT_THROW(ConnectionLog(database).month(2026, 12), DatabaseError);
}

} // namespace
} // namespace zrt::test
