#pragma once

#include <QtGlobal>

namespace zrt {

// A metered connection's figures reach its log row at least this often, so
// a crash loses no more than this much of a connection.
inline constexpr qint64 kCheckpointIntervalSeconds = 10;

// Due after the interval, and at once when the elapsed time went back
// (the clock was set back).
constexpr bool checkpointDue(qint64 elapsedSeconds, qint64 checkpointedSeconds)
{
    return elapsedSeconds - checkpointedSeconds >= kCheckpointIntervalSeconds
        || elapsedSeconds < checkpointedSeconds;
}

} // namespace zrt
