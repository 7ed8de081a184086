#pragma once

#include <functional>
#include <string_view>

namespace zrt {

// Receives one line for each problem the dial-up backends meet but do not
// report through their results (an unreadable folder, a hang-up refused).
using DialUpLogSink = std::function<void(std::string_view line)>;

// Lines go to standard error until a sink is set. Returns the sink it
// replaces, so a caller can put it back.
DialUpLogSink setDialUpLogSink(DialUpLogSink sink);

void logDialUpProblem(std::string_view line);

} // namespace zrt
