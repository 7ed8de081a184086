// The change notifications of the file and link backends, on real files
// and sockets.
#include "tests/support/fake_ppp_system.h"
#include "tests/support/log_capture.h"

#include "dialup/link_watch.h"
#include "dialup/ppp_dialup.h"
#include "dialup/sim_dialup.h"

#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <functional>

namespace zrt::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr int kWaitMs = 5000;

void writeWatchedFile(const fs::path& path, std::string_view content, std::ios::openmode mode = std::ios::trunc)
{
    std::ofstream(path, std::ios::binary | mode) << content;
}

// Counts a watch's notifications.
class Changes {
public:
    std::function<void()> counter()
    {
        return [this] { ++count_; };
    }

    // Runs the action, then waits for the next notification.
    bool after(const std::function<void()>& action)
    {
        const int before = count_;
        action();
        return QTest::qWaitFor([&] { return count_ > before; }, kWaitMs);
    }

    int count() const { return count_; }

private:
    int count_ = 0;
};

struct FileStep {
    const char* what;
    std::function<void(const fs::path& folder)> run;
};

// Each step must be noticed, the later ones also after the file they
// change was replaced.
const FileStep kSimSteps[] = {
    {"phonebook written", [](const fs::path& f) { writeWatchedFile(f / "entries", "TIM\n"); }},
    {"line up", [](const fs::path& f) { writeWatchedFile(f / "connected", "TIM\n"); }},
    {"second line appended", [](const fs::path& f) { writeWatchedFile(f / "connected", "Libero\n", std::ios::app); }},
    {"file replaced",
     [](const fs::path& f) {
         writeWatchedFile(f / "connected.new", "TIM\tcall-2\n");
         fs::rename(f / "connected.new", f / "connected");
     }},
    {"replaced file rewritten", [](const fs::path& f) { writeWatchedFile(f / "connected", "\n"); }},
    {"file removed", [](const fs::path& f) { fs::remove(f / "connected"); }},
    {"phonebook rewritten", [](const fs::path& f) { writeWatchedFile(f / "entries", "TIM\nLibero\n"); }},
};

TEST(SimDialUpWatch, EveryChangeToTheFolderOrItsFilesIsNoticed)
{
    TempDir folder;
    SimDialUp dialUp(folder.path());
    Changes changes;
    dialUp.watch(changes.counter());
    ASSERT_TRUE(dialUp.watchesEvents());

    for (const FileStep& step : kSimSteps)
        EXPECT_TRUE(changes.after([&] { step.run(folder.path()); })) << step.what;
}

TEST(SimDialUpWatch, AFolderMadeAfterTheWatchIsWatchedOnceItExists)
{
    TempDir parent;
    const fs::path folder = parent.path() / "later" / "dialer";
    SimDialUp dialUp(folder);
    Changes changes;
    dialUp.watch(changes.counter());

    ASSERT_TRUE(changes.after([&] { fs::create_directories(folder); }));
    EXPECT_TRUE(changes.after([&] { writeWatchedFile(folder / "connected", "TIM\n"); }));
    EXPECT_TRUE(changes.after([&] { writeWatchedFile(folder / "connected", "TIM\tcall-2\n"); }));
    EXPECT_EQ(dialUp.connectionOf("TIM"), (ConnectionIdentity{std::nullopt, "call-2"}));
}

TEST(PppDialUpWatch, PeersAddedOrRemovedAreNoticedAndTheKernelsLinksWatched)
{
    FakePppSystem system;
    PppDialUp dialUp(system.roots(), std::make_unique<PidfdSignaller>());
    Changes changes;
    dialUp.watch(changes.counter());
    EXPECT_TRUE(dialUp.watchesEvents());

    EXPECT_TRUE(changes.after([&] { system.addPeerFile("provider"); }));
    EXPECT_TRUE(changes.after([&] { fs::remove(system.roots().peers / "provider"); }));
    EXPECT_TRUE(changes.after([&] { fs::remove_all(system.roots().peers); }));
    EXPECT_TRUE(changes.after([&] { system.addPeerFile("work"); }));
}

// A socket that fails stands for a kernel without netlink: the watch says
// so once, and its owner turns to polling.
TEST(LinkWatchTest, ADatagramIsAChangeAndAFailingSocketEndsTheWatchOnce)
{
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair), 0);
    Changes changes;
    LinkWatch links(pair[0], changes.counter());
    EXPECT_TRUE(changes.after([&] {
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(::send(pair[1], "link", 4, 0), 4);
    }));
    EXPECT_TRUE(links.isWatching());
    ::close(pair[1]);

    int pipeEnds[2]; // recv(2) on a pipe fails with ENOTSOCK
    ASSERT_EQ(::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC), 0);
    LogCapture log;
    LinkWatch broken(pipeEnds[0], changes.counter());
    EXPECT_TRUE(changes.after([&] { ASSERT_EQ(::write(pipeEnds[1], "x", 1), 1); }));
    EXPECT_FALSE(broken.isWatching());
    EXPECT_THAT(log.lines(), ElementsAre(HasSubstr("cannot watch the network links")));
    ::close(pipeEnds[1]);
}

} // namespace
} // namespace zrt::test
