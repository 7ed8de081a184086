#include "dialup_log.h"

#include <iostream>
#include <utility>

namespace zrt {

namespace {

void writeToStandardError(std::string_view line)
{
    std::clog << "zrtellix: " << line << '\n';
}

DialUpLogSink& currentSink()
{
    static DialUpLogSink sink = writeToStandardError;
    return sink;
}

} // namespace

DialUpLogSink setDialUpLogSink(DialUpLogSink sink)
{
    return std::exchange(currentSink(), sink ? std::move(sink) : writeToStandardError);
}

void logDialUpProblem(std::string_view line)
{
    currentSink()(line);
}

} // namespace zrt
