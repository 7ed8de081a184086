#pragma once

#include "clock.h"

#include "database/system_time_zone.h"

namespace zrt {

// The machine's clock in its own time zone; its steady time is
// CLOCK_BOOTTIME, which keeps counting while the machine is suspended.
class SystemClock final : public Clock {
public:
    Instant now() const override;
    const TimeZoneRules& zone() const override { return zone_; }

private:
    SystemTimeZone zone_;
};

} // namespace zrt
