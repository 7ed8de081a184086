#pragma once

#include "engine/local_date_time.h"

#include <QtGlobal>

namespace zrt {

struct Instant {
    LocalDateTime local; // the wall clock: what the log shows and what picks the band
    qint64 epochMs = 0;  // milliseconds since 1970 UTC, which a daylight-saving change does not move
};

class Clock {
public:
    virtual ~Clock() = default;

    virtual Instant now() const = 0;
    // The continuous time of a wall-clock instant, such as a logged start.
    virtual qint64 epochMsAt(LocalDateTime local) const = 0;
};

} // namespace zrt
