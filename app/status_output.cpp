#include "status_output.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace zrt::app {

namespace {

bool isRegularFile(int fd)
{
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// A description of the same pipe or terminal that is ours alone, so making
// it non-blocking leaves the shell's own untouched.
int nonBlockingCopyOf(int fd)
{
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    return ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}

} // namespace

StatusOutput::StatusOutput(int fd) : fd_(fd)
{
    if (isRegularFile(fd))
        return; // a file never blocks, and reopening it would lose its offset
    const int copy = nonBlockingCopyOf(fd);
    if (copy >= 0) {
        fd_ = copy;
        ownFd_ = true;
    }
}

StatusOutput::~StatusOutput()
{
    if (ownFd_)
        ::close(fd_);
}

StatusOutput::Result StatusOutput::write(const QByteArray& line)
{
    // Where no private non-blocking copy could be made, a line is written
    // only when the reader can take it now.
    if (!ownFd_ && !isRegularFile(fd_)) {
        pollfd ready{fd_, POLLOUT, 0};
        if (::poll(&ready, 1, 0) != 1 || !(ready.revents & POLLOUT))
            return (ready.revents & (POLLERR | POLLHUP)) ? Result::Closed : Result::Dropped;
    }
    const ssize_t written = ::write(fd_, line.constData(), static_cast<size_t>(line.size()));
    if (written == line.size())
        return Result::Written;
    if (written < 0 && errno == EPIPE)
        return Result::Closed;
    return Result::Dropped;
}

} // namespace zrt::app
