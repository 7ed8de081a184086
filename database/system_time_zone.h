#pragma once

#include "engine/time_zone_rules.h"

#include <QTimeZone>

namespace zrt {

// The wall clock of a zone from the system's time zone data; by default the
// machine's own zone, which follows TZ.
class SystemTimeZone final : public TimeZoneRules {
public:
    SystemTimeZone();
    explicit SystemTimeZone(QTimeZone zone);

    int utcOffsetAt(long long utcSeconds) const override;
    std::optional<long long> nextOffsetChange(long long utcSeconds) const override;

private:
    QTimeZone zone_;
};

} // namespace zrt
