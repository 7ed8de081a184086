#pragma once

#include "engine/byte_count.h"
#include "engine/local_date_time.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <string>

namespace zrt {

// The one connection being metered, shared by the monitor tick and the
// meter tick.
struct ConnectionState {
    bool connected = false;      // a connection is metered and has its log row
    std::optional<qint64> recordId; // the log row; empty while it could not be written yet
    std::string entry;           // the dial-up entry being metered
    std::optional<QString> collegamento; // what tells this connection from a redial, when known
    LocalDateTime startTime;     // wall clock when the connection was first seen
    qint64 startUtc = 0;         // the same instant, seconds since 1970 UTC
    // The steady clock's time at which the connection would have been 0 s
    // long: its seconds are counted on that clock, which a clock set
    // forward or back does not move.
    qint64 steadyZeroMs = 0;
    qint64 elapsedSeconds = 0;
    // Unknown while no band of a tariff prices the connection.
    std::optional<qint64> pulses;
    std::optional<double> costLire; // VAT included, as last computed
    QString servizio;               // the company pricing it, once one does
    ByteCount received;             // the traffic counted on its interface
    ByteCount sent;
    qint64 checkpointedSeconds = 0; // elapsed seconds last written to the row
    bool newsShown = false;         // the news page came up once in this run; never reset

    bool priced() const { return costLire.has_value(); }
};

} // namespace zrt
