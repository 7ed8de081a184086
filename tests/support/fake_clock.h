#pragma once

#include "monitor/clock.h"

#include <QDateTime>

namespace zrt::test {

// A clock that moves only when told to. Its wall clock starts as UTC and
// can be shifted as a daylight-saving change shifts it.
class FakeClock final : public Clock {
public:
    explicit FakeClock(LocalDateTime start) : now_{start, utcMs(start)} {}

    Instant now() const override { return now_; }
    qint64 epochMsAt(LocalDateTime local) const override { return utcMs(local) - shiftMs_; }

    void advance(qint64 seconds)
    {
        now_.local = zrt::advance(now_.local, seconds);
        now_.epochMs += seconds * 1000;
    }

    void shiftWallClock(qint64 seconds)
    {
        now_.local = zrt::advance(now_.local, seconds);
        shiftMs_ += seconds * 1000;
    }

private:
    static qint64 utcMs(LocalDateTime local)
    {
        const QDate date(local.date.year, local.date.month, local.date.day);
        return QDateTime(date, QTime(0, 0), Qt::UTC).addSecs(local.time.seconds).toMSecsSinceEpoch();
    }

    Instant now_;
    qint64 shiftMs_ = 0;
};

} // namespace zrt::test
