#pragma once

#include <sys/types.h>

#include <functional>
#include <system_error>

namespace zrt {

// Asks a process to end. Kept behind an interface so that tests never
// signal real processes.
class ProcessSignaller {
public:
    virtual ~ProcessSignaller() = default;

    // Takes hold of the process now running as `pid`, asks `isExpected()`
    // whether it is the one meant (by reading its /proc entry), and only
    // then sends it SIGTERM, as `poff` does. Returns why the signal was not
    // sent; no_such_process when the process is gone or not the one
    // expected.
    virtual std::error_code terminateIf(pid_t pid, const std::function<bool()>& isExpected) = 0;
};

// Holds the process by a pidfd from before the check until the signal, so
// that a process that ends meanwhile and leaves its pid to another is
// never confused with it: the signal goes to the process checked or to
// none.
class PidfdSignaller final : public ProcessSignaller {
public:
    std::error_code terminateIf(pid_t pid, const std::function<bool()>& isExpected) override;
};

} // namespace zrt
