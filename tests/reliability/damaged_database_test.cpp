#include "reliability_support.h"

#include "tests/database/scratch_database.h"

#include "database/connection_log.h"
#include "database/database_error.h"
#include "database/tariff_store.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

namespace zrt::test {
namespace {

// The pages below the root of a table's b-tree, read from the file.
std::vector<quint32> childPages(const QByteArray& file, quint32 rootPage)
{
    const auto pageSize = static_cast<qsizetype>(qFromBigEndian<quint16>(file.constData() + 16));
    const char* page = file.constData() + (rootPage - 1) * pageSize;
    constexpr char kInteriorTablePage = 0x05;
    if (page[0] != kInteriorTablePage)
        return {};
    const int cells = qFromBigEndian<quint16>(page + 3);
    std::vector<quint32> children;
    for (int i = 0; i < cells; ++i) {
        const quint16 cell = qFromBigEndian<quint16>(page + 12 + 2 * i);
        children.push_back(qFromBigEndian<quint32>(page + cell));
    }
    children.push_back(qFromBigEndian<quint32>(page + 8));
    return children;
}

// Overwrites one page in the middle of a table with noise.
void damageTheMiddleOf(const QString& path, const QString& table)
{
    quint32 root = 0;
    {
        Database database = Database::open(path);
        QSqlQuery row = database.query(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = ?"), {table});
        ASSERT_TRUE(row.next());
        root = row.value(0).toUInt();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll();
    const std::vector<quint32> children = childPages(bytes, root);
    ASSERT_GE(children.size(), 4u) << "the table spans several pages";
    const auto pageSize = static_cast<qint64>(qFromBigEndian<quint16>(bytes.constData() + 16));
    ASSERT_TRUE(file.seek((children[children.size() / 2] - 1) * pageSize));
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
