#include "system_clock.h"

#include <QDateTime>

#include <ctime>

namespace zrt {

namespace {

qint64 bootTimeMs()
{
    timespec time{};
    clock_gettime(CLOCK_BOOTTIME, &time);
    return qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
}

} // namespace

Instant SystemClock::now() const
{
    const qint64 steady = bootTimeMs();
    const qint64 epochMs = QDateTime::currentMSecsSinceEpoch();
    return {zone_.toLocal(epochMs / 1000), epochMs, steady};
}

} // namespace zrt
