#include "band_timeline.h"

#include <algorithm>

namespace zrt {
namespace {

int clampToDay(TimeOfDay time)
{
    return std::clamp(time.seconds, 0, kSecondsPerDay);
}

bool bandOpenAt(const Band& band, int secondOfDay)
{
    return clampToDay(band.inizio) <= secondOfDay && secondOfDay < clampToDay(band.fine);
}

} // namespace

bool bandCoversAnything(const Band& band)
{
    return clampToDay(band.inizio) < clampToDay(band.fine);
}

StretchCursor::StretchCursor(const Tariff& tariff, const TimeZoneRules& zone, long long utcFrom)
    : tariff_(tariff), zone_(zone), utc_(utcFrom)
{
    readWallClock();
    dayType_ = dayTypeOf(now_.date);
}

void StretchCursor::readWallClock()
{
    now_ = zone_.toLocal(utc_);
    nextOffsetChange_ = zone_.nextOffsetChange(utc_);
}

Stretch StretchCursor::current() const
{
    const int second = now_.time.seconds;
    const Band* inForce = nullptr;
    int end = kSecondsPerDay;
    for (const Band& band : tariff_.fasce) {
        if (band.tipo != dayType_)
            continue;
        if (!inForce && bandOpenAt(band, second))
            inForce = &band;
        for (const int boundary : {clampToDay(band.inizio), clampToDay(band.fine)}) {
            if (boundary > second)
                end = std::min(end, boundary);
        }
    }
    long long length = end - second;
    if (nextOffsetChange_)
        length = std::min(length, *nextOffsetChange_ - utc_);
    return {inForce, length};
}

void StretchCursor::advance(long long seconds)
{
    const Date before = now_.date;
    utc_ += seconds;
    if (nextOffsetChange_ && utc_ >= *nextOffsetChange_)
        readWallClock();
    else
        now_ = zrt::advance(now_, seconds);
    if (now_.date != before)
        dayType_ = dayTypeOf(now_.date);
}

const Band* firstBandFrom(const Tariff& tariff, const TimeZoneRules& zone, long long utcFrom)
{
    // Every day type comes round within a week.
    constexpr long long kSearchSpan = 8LL * kSecondsPerDay;
    StretchCursor cursor(tariff, zone, utcFrom);
    for (long long searched = 0; searched < kSearchSpan;) {
        const Stretch stretch = cursor.current();
        if (stretch.band)
            return stretch.band;
        cursor.advance(stretch.length);
        searched += stretch.length;
    }
    return nullptr;
}

} // namespace zrt
