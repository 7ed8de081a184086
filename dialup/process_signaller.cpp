#include "process_signaller.h"

#include <cerrno>
#include <csignal>

namespace zrt {

std::error_code KillSignaller::terminate(pid_t pid)
{
    if (pid <= 0) // kill(2) would signal a whole process group
        return std::make_error_code(std::errc::invalid_argument);
    if (::kill(pid, SIGTERM) != 0)
        return {errno, std::generic_category()};
    return {};
}

} // namespace zrt
