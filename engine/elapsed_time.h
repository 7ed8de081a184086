#pragma once

#include <string>

namespace zrt {

// "hh:mm:ss"; hours are not wrapped at 24 and may take more digits.
// A negative time (a clock set back) shows as zero.
std::string elapsedTimeText(long long elapsedSeconds);

} // namespace zrt
