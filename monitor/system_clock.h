#pragma once

#include "clock.h"

namespace zrt {

// The machine's clock in its own time zone.
class SystemClock final : public Clock {
public:
    Instant now() const override;
    qint64 epochMsAt(LocalDateTime local) const override;
};

} // namespace zrt
