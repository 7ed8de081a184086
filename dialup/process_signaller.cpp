#include "process_signaller.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace zrt {

namespace {

// The C library may lack the wrappers of these calls, so they are made
// directly.
int openPidfd(pid_t pid)
{
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0U));
}

int sendSignal(int pidfd, int signal)
{
    return static_cast<int>(::syscall(SYS_pidfd_send_signal, pidfd, signal, nullptr, 0U));
}

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

class Pidfd {
public:
    explicit Pidfd(pid_t pid) : descriptor_(openPidfd(pid)) {}
    ~Pidfd()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    Pidfd(const Pidfd&) = delete;
    Pidfd& operator=(const Pidfd&) = delete;

    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }

private:
    int descriptor_;
};

} // namespace

std::error_code PidfdSignaller::terminateIf(pid_t pid, const std::function<bool()>& isExpected)
{
    if (pid <= 0) // not one process: a process group, or every process
        return std::make_error_code(std::errc::invalid_argument);
    const Pidfd process(pid);
    if (!process.isOpen())
        return lastError();
    if (!isExpected())
        return std::make_error_code(std::errc::no_such_process);
    if (sendSignal(process.descriptor(), SIGTERM) != 0)
        return lastError();
    return {};
}

} // namespace zrt
