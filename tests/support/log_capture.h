#pragma once

#include "dialup/dialup_log.h"

#include <string>
#include <utility>
#include <vector>

namespace zrt::test {

// Collects the dial-up problem lines logged while it lives.
class LogCapture {
public:
    LogCapture()
        : previous_(setDialUpLogSink([this](std::string_view line) { lines_.emplace_back(line); }))
    {
    }
    ~LogCapture() { setDialUpLogSink(std::move(previous_)); }

    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    DialUpLogSink previous_;
};

} // namespace zrt::test
