#include "system_clock.h"

#include <QDateTime>

namespace zrt {

Instant SystemClock::now() const
{
    const QDateTime current = QDateTime::currentDateTime();
    const QDate date = current.date();
    const QTime time = current.time();
    return {{{date.year(), date.month(), date.day()}, {time.msecsSinceStartOfDay() / 1000}},
            current.toMSecsSinceEpoch()};
}

qint64 SystemClock::epochMsAt(LocalDateTime local) const
{
    const QDate date(local.date.year, local.date.month, local.date.day);
    const QTime time = QTime(0, 0).addSecs(local.time.seconds);
    return QDateTime(date, time, Qt::LocalTime).toMSecsSinceEpoch();
}

} // namespace zrt
