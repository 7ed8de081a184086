#pragma once

#include <functional>
#include <memory>
#include <system_error>

class QSocketNotifier;

namespace zrt {

// Calls back when the kernel adds, removes or changes a network interface,
// as it tells on a netlink route socket: a ppp link coming up or going.
class LinkWatch {
public:
    // Watches the kernel's link changes; isWatching() is false, and the
    // error is logged, when no socket can be opened.
    explicit LinkWatch(std::function<void()> changed);
    // Watches the datagrams arriving on a socket it takes over.
    LinkWatch(int socket, std::function<void()> changed);
    ~LinkWatch();

    LinkWatch(const LinkWatch&) = delete;
    LinkWatch& operator=(const LinkWatch&) = delete;

    bool isWatching() const { return socket_ >= 0; }

private:
    void listen();
    void drain();
    void stop(std::error_code error);
    static void reportFailure(std::error_code error);

    int socket_ = -1;
    std::function<void()> changed_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace zrt
