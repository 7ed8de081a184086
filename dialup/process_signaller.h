#pragma once

#include <sys/types.h>

#include <system_error>

namespace zrt {

// Asks a process to end. Kept behind an interface so that tests never
// signal real processes.
class ProcessSignaller {
public:
    virtual ~ProcessSignaller() = default;

    // Sends SIGTERM, as `poff` does; returns why it could not, if so.
    virtual std::error_code terminate(pid_t pid) = 0;
};

// Signals through kill(2).
class KillSignaller final : public ProcessSignaller {
public:
    std::error_code terminate(pid_t pid) override;
};

} // namespace zrt
