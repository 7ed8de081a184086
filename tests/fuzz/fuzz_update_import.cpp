// The tariff update read from any file: it is taken whole or refused with a
// DatabaseError, never half read and never a crash.
#include "database/database_error.h"
#include "database/tariff_update.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("telecom.mdb"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    try {
        zrt::checkUpdateFile(path);
    } catch (const zrt::DatabaseError&) {
    }
    QFile::remove(path);
    return 0;
}
