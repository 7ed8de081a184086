#pragma once

#include "engine/local_date_time.h"

#include <QList>
#include <QString>

#include <optional>

namespace zrt {

class Database;

inline const QString kServizioNonDisponibile = QStringLiteral("Non disponibile");

// One row of the connection log. A row without `fine` is still open: its
// connection is being metered, or the program stopped before closing it.
struct LogRow {
    int id = 0;
    QString data;        // "YYYY-MM-DD", the start date
    QString connessione;
    QString inizio;      // "HH:MM:SS"
    QString fine;        // "HH:MM:SS", empty while open
    std::optional<qint64> scatti;
    std::optional<qint64> costo; // whole Lire, VAT included
    QString servizio;
    std::optional<qint64> secondi; // elapsed seconds at the last checkpoint or at the end
};

// The meter's figures for a connection so far. Cost and pulses are
// unknown while no band of a tariff prices the connection.
struct LogFigures {
    std::optional<qint64> costo;
    std::optional<qint64> scatti;
    qint64 secondi = 0;
};

// The connection log: a row opened when a connection starts, checkpointed
// while it runs and closed when it ends, each write a short transaction.
class ConnectionLog {
public:
    explicit ConnectionLog(Database& database) : database_(database) {}

    // Opens a row and returns its key.
    int open(const QString& connessione, LocalDateTime inizio, const QString& servizio);
    void checkpoint(int id, const LogFigures& figures);
    void close(int id, TimeOfDay fine, const LogFigures& figures);
    // The company that prices the connection, once one does.
    void setServizio(int id, const QString& servizio);

    std::optional<LogRow> row(int id) const;
    QList<LogRow> openRows() const;

    // The rows dated within a month, in stored order, and their total cost.
    QList<LogRow> month(int year, int month) const;
    // Up to `count` of the month's rows with keys above `afterId`, in stored
    // order; a negative count reads all of them. The log window reads a month
    // kPageRows at a time, as it is scrolled.
    static constexpr int kPageRows = 256;
    QList<LogRow> monthPage(int year, int month, int afterId, int count) const;
    qint64 monthTotal(int year, int month) const;

private:
    Database& database_;
};

} // namespace zrt
