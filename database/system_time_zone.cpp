#include "system_time_zone.h"

#include <QDateTime>

#include <utility>

namespace zrt {
namespace {

QDateTime utcDateTime(long long utcSeconds)
{
    return QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC);
}

} // namespace

SystemTimeZone::SystemTimeZone() : zone_(QTimeZone::systemTimeZone()) {}

SystemTimeZone::SystemTimeZone(QTimeZone zone) : zone_(std::move(zone)) {}

int SystemTimeZone::utcOffsetAt(long long utcSeconds) const
{
    return zone_.offsetFromUtc(utcDateTime(utcSeconds));
}

std::optional<long long> SystemTimeZone::nextOffsetChange(long long utcSeconds) const
{
    const QTimeZone::OffsetData transition = zone_.nextTransition(utcDateTime(utcSeconds));
    if (!transition.atUtc.isValid())
        return std::nullopt;
    return transition.atUtc.toSecsSinceEpoch();
}

} // namespace zrt
