#pragma once

#include "database/connection_log.h"
#include "database/database.h"
#include "database/tariff_store.h"
#include "engine/pricing.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QtEndian>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <optional>

namespace zrt::test {

// The permission bits of a file or folder, e.g. 0600; -1 when it is missing.
inline int permissionBits(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return -1;
    return static_cast<int>(status.st_mode & 07777);
}

// Sets the process's file creation mask for its scope.
class UmaskScope {
public:
    explicit UmaskScope(mode_t mask) : previous_(::umask(mask)) {}
    ~UmaskScope() { ::umask(previous_); }
    UmaskScope(const UmaskScope&) = delete;
    UmaskScope& operator=(const UmaskScope&) = delete;

private:
    mode_t previous_;
};

// SQLite adds one to this header field at every committed write
// transaction of a file in rollback-journal mode.
inline quint32 fileChangeCounter(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(24))
        return 0;
    const QByteArray bytes = file.read(4);
    return bytes.size() == 4 ? qFromBigEndian<quint32>(bytes.constData()) : 0;
}

// Every table, index and trigger of a database with its defining text.
inline QStringList schemaOf(const Database& database)
{
    QSqlQuery rows = database.query(
        QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY type, name"));
    QStringList schema;
    while (rows.next()) {
        schema.append(QStringList{rows.value(0).toString(), rows.value(1).toString(), rows.value(2).toString(),
                                  rows.value(3).toString()}
                          .join(QLatin1Char('|')));
    }
    return schema;
}

inline QString integrityOf(const Database& database)
{
    QSqlQuery check = database.query(QStringLiteral("PRAGMA integrity_check"));
    return check.next() ? check.value(0).toString() : QStringLiteral("no answer");
}

inline qint64 rowCount(const Database& database, const QString& table)
{
    QSqlQuery count = database.query(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table));
    return count.next() ? count.value(0).toLongLong() : -1;
}

// A pulse tariff that charges a pulse of 10 Lire every second of every day,
// after an answer charge of 100 Lire, so a lost second shows in the cost.
inline int addOneSecondPulseTariff(Database& database)
{
    TariffStore store(database);
    const int company = store.addCompany(QStringLiteral("Prova al secondo"), QStringLiteral("Scatto"));
    const int tariff = store.addTariff(company, QStringLiteral("Uno scatto al secondo"));
    for (const DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes})
        store.addBand(company, tariff, Band{tipo, {0}, {kSecondsPerDay}, 1, 10, 100, std::nullopt});
    return tariff;
}

// The start of a log row as a wall-clock instant.
inline std::optional<LocalDateTime> rowStart(const LogRow& row)
{
    return parseLocalDateTime((row.data + QLatin1Char(' ') + row.inizio).toStdString());
}

// A row's end is the wall clock's second when the line dropped, its seconds
// are the rounded time since the start: the two agree to a second.
inline bool endAgreesWithSeconds(const LogRow& row)
{
    const std::optional<LocalDateTime> start = rowStart(row);
    const std::optional<TimeOfDay> fine = parseTimeOfDay(row.fine.toStdString());
    if (!start || !fine || !row.secondi)
        return false;
    const int drift = (fine->seconds - advance(*start, *row.secondi).time.seconds + kSecondsPerDay) % kSecondsPerDay;
    return drift <= 1 || drift == kSecondsPerDay - 1;
}

// A wall-clock instant read as UTC, as the programs run by these tests see
// their clock.
inline qint64 utcEpochMs(LocalDateTime local)
{
    const QDate date(local.date.year, local.date.month, local.date.day);
    return QDateTime(date, QTime(0, 0), Qt::UTC).addSecs(local.time.seconds).toMSecsSinceEpoch();
}

// What the log stores for a connection of `seconds`: the engine's price in
// whole Lire, halves away from zero.
struct StoredPrice {
    qint64 costo = 0;
    qint64 scatti = 0;
};

inline StoredPrice storedPrice(const Tariff& tariff, LocalDateTime start, qint64 seconds, int vatRate)
{
    const std::optional<MeterReading> reading = priceConnection(tariff, start, seconds, vatRate);
    if (!reading)
        return {};
    return {std::llround(reading->costLire), reading->pulses};
}

// A small tmpfs on a folder of its own, for a file system that fills up.
// Mounting needs privileges: mounted() tells whether it worked.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& path, qint64 bytes) : path_(path)
    {
        QDir().mkpath(path_);
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
        mounted_ = ::mount("tmpfs", QFile::encodeName(path_).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                           options.constData())
            == 0;
    }
    ~SmallFileSystem()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    const QString& path() const { return path_; }

    // Takes up every free byte with a file of its own.
    void fill() const
    {
        QFile filler(fillerPath());
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
    }
    void makeRoom() const { QFile::remove(fillerPath()); }

private:
    QString fillerPath() const { return path_ + QStringLiteral("/filler"); }

    QString path_;
    bool mounted_ = false;
};

} // namespace zrt::test
