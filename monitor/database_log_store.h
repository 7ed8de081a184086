#pragma once

#include "log_store.h"

#include <unordered_map>

namespace zrt {

class MonitorDatabase;

// The connection log of the database file. A row belongs to the file it
// was opened in (or read from): once the path names another file, it is
// never written there by its old key, which may be another row's.
class DatabaseLogStore final : public LogStore {
public:
    explicit DatabaseLogStore(MonitorDatabase& database) : database_(database) {}

    qint64 open(const LogRowStart& start, const StoredFigures& figures) override;
    bool checkpoint(qint64 id, const StoredFigures& figures) override;
    bool close(qint64 id, TimeOfDay fine, const StoredFigures& figures) override;
    void setServizio(qint64 id, const QString& servizio) override;
    QList<LogRow> openRows() override;

private:
    bool inItsFile(qint64 id) const;

    MonitorDatabase& database_;
    std::unordered_map<qint64, int> fileOfRow_; // key -> the file it lives in, by MonitorDatabase::fileGeneration
};

} // namespace zrt
