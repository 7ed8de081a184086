#include "elapsed_time.h"

#include "fixed_digits.h"

#include <algorithm>

namespace zrt {

std::string elapsedTimeText(long long elapsedSeconds)
{
    // A clock set back during a connection must not show a negative time.
    const long long seconds = std::max(0LL, elapsedSeconds);
    std::string text;
    appendZeroPadded(text, seconds / 3600, 2);
    text += ':';
    appendZeroPadded(text, seconds / 60 % 60, 2);
    text += ':';
    appendZeroPadded(text, seconds % 60, 2);
    return text;
}

} // namespace zrt
