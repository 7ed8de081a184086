#include "link_watch.h"

#include "dialup_log.h"

#include <QSocketNotifier>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <utility>

namespace zrt {

namespace {

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

// A netlink route socket that receives the kernel's link messages.
int openLinkSocket(std::error_code& error)
{
    const int fd = ::socket(AF_NETLINK, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (fd < 0) {
        error = lastError();
        return -1;
    }
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_groups = RTMGRP_LINK;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        error = lastError();
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

LinkWatch::LinkWatch(std::function<void()> changed)
    : changed_(std::move(changed))
{
    std::error_code error;
    socket_ = openLinkSocket(error);
    if (socket_ < 0)
        reportFailure(error);
    else
        listen();
}

LinkWatch::LinkWatch(int socket, std::function<void()> changed)
    : socket_(socket)
    , changed_(std::move(changed))
{
    listen();
}

LinkWatch::~LinkWatch()
{
    notifier_.reset();
    if (socket_ >= 0)
        ::close(socket_);
}

void LinkWatch::listen()
{
    notifier_ = std::make_unique<QSocketNotifier>(socket_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { drain(); });
}

// The messages themselves are not read: any of them is a reason to look
// again, and so is an overrun (ENOBUFS), which means some were lost. What
// one turn leaves unread makes the notifier fire again.
void LinkWatch::drain()
{
    constexpr int kMessagesPerTurn = 64;
    std::array<char, 8192> buffer{};
    for (int i = 0; i < kMessagesPerTurn; ++i) {
        if (::recv(socket_, buffer.data(), buffer.size(), MSG_DONTWAIT) >= 0 || errno == EINTR
            || errno == ENOBUFS)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            stop(lastError());
        break;
    }
    changed_();
}

void LinkWatch::stop(std::error_code error)
{
    notifier_->setEnabled(false); // it is still delivering the signal that got here
    ::close(std::exchange(socket_, -1));
    reportFailure(error);
}

void LinkWatch::reportFailure(std::error_code error)
{
    logDialUpProblem("cannot watch the network links (" + error.message()
                     + "); checking once a second instead");
}

} // namespace zrt
