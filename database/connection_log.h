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
// Cost and pulses are empty (NULL) when they are not known: no usable band
// priced the connection.
struct LogRow {
    qint64 id = 0;
    QString data;        // "YYYY-MM-DD", the start date
    QString connessione;
    QString inizio;      // "HH:MM:SS"
    QString fine;        // "HH:MM:SS", empty while open
    std::optional<qint64> scatti;
    std::optional<qint64> costo; // whole Lire, VAT included
    QString servizio;
    std::optional<qint64> secondi; // elapsed seconds at the last checkpoint or at the end
    std::optional<qint64> inizioUtc;     // the start in seconds since 1970 UTC; none in older rows
    std::optional<QString> collegamento; // what tells this connection from others, when known
    std::optional<qint64> byteRicevuti;  // the traffic counted, when it could be
    std::optional<qint64> byteInviati;
};

// What a row holds from its connection's start.
struct LogRowStart {
    QString connessione;
    LocalDateTime inizio;
    QString servizio;
    std::optional<qint64> inizioUtc;
    std::optional<QString> collegamento;
};

// The meter's figures for a priced connection so far.
struct LogFigures {
    qint64 costo = 0;
    qint64 scatti = 0;
    qint64 secondi = 0;
};

// The figures a row stores: cost and pulses stay unknown while no usable
// band prices the connection, the traffic while the line's counters could
// not be read. Known figures convert to them.
struct StoredFigures {
    std::optional<qint64> costo;
    std::optional<qint64> scatti;
    qint64 secondi = 0;
    std::optional<qint64> byteRicevuti;
    std::optional<qint64> byteInviati;

    StoredFigures() = default;
    StoredFigures(std::optional<qint64> costo_, std::optional<qint64> scatti_, qint64 secondi_)
        : costo(costo_), scatti(scatti_), secondi(secondi_) {}
    // Implicit: known figures are stored figures.
    StoredFigures(const LogFigures& known)
        : costo(known.costo), scatti(known.scatti), secondi(known.secondi) {}

    // The figures of a connection that nothing prices.
    static StoredFigures unpriced(qint64 secondi) { return {std::nullopt, std::nullopt, secondi}; }
};

// The spending of a period: the sum of the costs known, and how many
// connections have none (no tariff priced them, or their stored cost is
// beyond belief and is left out of the sum).
struct LogTotal {
    qint64 lire = 0;
    qint64 unpriced = 0;
};

// What repricing a month did.
struct RepriceOutcome {
    qint64 repriced = 0;
    qint64 stillUnpriced = 0;
};

// The connection log: a row opened when a connection starts, checkpointed
// while it runs and closed when it ends, each write a short transaction.
class ConnectionLog {
public:
    explicit ConnectionLog(Database& database) : database_(database) {}

    // Opens a row and returns its key. Without figures the row starts at
    // nothing metered, for a connection that is priced.
    qint64 open(const LogRowStart& start, const StoredFigures& figures = LogFigures{});
    qint64 open(const QString& connessione, LocalDateTime inizio, const QString& servizio);
    // Each writes only the row with this key, and only while it is open;
    // false when no such open row is left (closed, or deleted by another
    // program).
    bool checkpoint(qint64 id, const StoredFigures& figures);
    bool close(qint64 id, TimeOfDay fine, const StoredFigures& figures);
    // The company that prices the connection, once one does.
    void setServizio(qint64 id, const QString& servizio);

    std::optional<LogRow> row(qint64 id) const;
    QList<LogRow> openRows() const;

    // The rows dated within a month, in stored order.
    QList<LogRow> month(int year, int month) const;
    // Up to `count` of the month's rows with keys above `afterId`, in stored
    // order; a negative count reads all of them. The log window reads a month
    // kPageRows at a time, as it is scrolled.
    static constexpr int kPageRows = 256;
    QList<LogRow> monthPage(int year, int month, qint64 afterId, int count) const;
    // The month's total; of its closed rows only with Rows::Closed, leaving
    // out the call being metered, which counts its own cost.
    enum class Rows { All, Closed };
    LogTotal monthTotal(int year, int month, Rows rows = Rows::All) const;

    // Prices again, in one transaction, the month's closed rows that have
    // no cost, or cost 0 under "Non disponibile" as earlier versions wrote
    // them, with the tariff now associated with their entry: cost, pulses
    // and company. Rows still without a usable band keep no cost. Open rows
    // and rows with a real cost are never touched. Throws DatabaseError.
    RepriceOutcome repriceMonth(int year, int month);

private:
    Database& database_;
};

// A year of calls at the dearest band allowed: a pulse of 10,000,000 Lire
// every second, VAT of 100 % included, is below this.
inline constexpr qint64 kHighestCredibleCost = 1'000'000'000'000'000;

// Whether a stored cost can be a real one: whole Lire from zero up to what
// a year of calls at the dearest tariff allowed could cost.
bool isCredibleCost(qint64 lire);

// A sum past the largest number stays there.
qint64 saturatingSum(qint64 a, qint64 b);

// The bytes a logged call received and sent together; unknown unless both
// are known (a count below zero is not one).
std::optional<qint64> trafficBytes(const LogRow& row);

} // namespace zrt
