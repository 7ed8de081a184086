#pragma once

#include "engine/local_date_time.h"

#include <QtGlobal>

#include <optional>
#include <string>

namespace zrt {

// The one connection being metered, shared by the monitor tick and the
// meter tick.
struct ConnectionState {
    bool connected = false;      // a connection is metered and has its log row
    std::optional<int> recordId; // the log row; empty while it could not be written yet
    std::string entry;           // the dial-up entry being metered
    LocalDateTime startTime;     // wall clock when the connection was first seen
    qint64 startEpochMs = 0;     // the same instant on the continuous clock
    qint64 pulses = 0;
    qint64 elapsedSeconds = 0;
    double costLire = 0;         // VAT included, as last computed
    qint64 checkpointedSeconds = 0; // elapsed seconds last written to the row
    bool newsShown = false;      // the news page came up once in this run; never reset
};

} // namespace zrt
