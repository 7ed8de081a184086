#pragma once

#include "database/database.h"
#include "database/default_content.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

namespace zrt::test {

// A database file of its own in a temporary folder, removed afterwards.
class ScratchDatabase {
public:
    explicit ScratchDatabase(Content content = Content::DefaultTariffs)
        : path_(folder_.filePath(QStringLiteral("zrtell.T99")))
    {
        createDatabaseFile(path_, content);
    }

    const QString& path() const { return path_; }
    QString folder() const { return folder_.path(); }
    Database open() const { return Database::open(path_); }

private:
    QTemporaryDir folder_;
    QString path_;
};

inline QByteArray fileDigest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace zrt::test
