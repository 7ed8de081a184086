// Files that could block the meter or fill its memory, put where the
// backends read the dialer's state. A read that blocks fails its test
// instead of hanging the suite.
#include "tests/support/fake_ppp_system.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include "dialup/ppp_dialup.h"
#include "dialup/sim_dialup.h"
#include "dialup/text_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <future>

namespace zrt::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

using Names = std::vector<std::string>;

// How long a read may take before it is taken for blocked. A watchdog, not
// a measure: a read that returns does so at once.
constexpr auto kWatchdog = std::chrono::seconds(10);

// Runs `read` on a thread of its own; nullopt when it is still blocked
// after kWatchdog. A read blocked on the FIFO at `path` is then released
// by opening its writing end, so that the thread can be joined.
std::optional<Names> readGuarded(const std::function<Names()>& read, const fs::path& path)
{
    auto result = std::async(std::launch::async, read);
    if (result.wait_for(kWatchdog) == std::future_status::ready)
        return result.get();
    const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (writer >= 0)
        ::close(writer);
    result.wait();
    return std::nullopt;
}

void makeFifo(const fs::path& path)
{
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
}

void writeFile(const fs::path& path, std::string_view content)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

struct HostileFile {
    const char* what;
    std::function<void(const fs::path&)> make;
    bool refused;
};

const HostileFile kFiles[] = {
    {"a FIFO", makeFifo, true},
    {"a symbolic link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, true},
    {"a folder", [](const fs::path& p) { fs::create_directory(p); }, true},
    {"a file over the limit",
     [](const fs::path& p) {
         writeFile(p, "TIM\n");
         fs::resize_file(p, kDialerFileLimit + 1);
     },
     true},
    {"a text file", [](const fs::path& p) { writeFile(p, "TIM\n"); }, false},
};

// Each file read as the phonebook and as the lines up; a refused one is
// read as empty and logged once, however often it is read.
TEST(UnsafeFileTest, TheSimulatedDialerReadsOnlyRegularFilesWithinTheLimit)
{
    const std::pair<const char*, std::function<Names(const SimDialUp&)>> readers[] = {
        {"entries", [](const SimDialUp& dialUp) { return dialUp.entries(); }},
        {"connected", [](const SimDialUp& dialUp) { return dialUp.connectedEntries({"TIM"}); }},
    };
    for (const HostileFile& file : kFiles) {
        for (const auto& [fileName, read] : readers) {
            SCOPED_TRACE(std::string(file.what) + " as " + fileName);
            const TempDir folder;
            const fs::path path = folder.path() / fileName;
            file.make(path);
            const SimDialUp dialUp(folder.path());
            const LogCapture log;

            for (int time = 0; time < 2; ++time) {
                const auto names = readGuarded([&] { return read(dialUp); }, path);
                ASSERT_TRUE(names.has_value()) << "the read blocked";
                EXPECT_EQ(*names, file.refused ? Names{} : Names{"TIM"});
            }
            if (file.refused)
                EXPECT_THAT(log.lines(), ElementsAre(HasSubstr(path.string())));
            else
                EXPECT_THAT(log.lines(), IsEmpty());
        }
    }
}

// A FIFO in place of each file the backend reads to see a pppd's link.
TEST(UnsafeFileTest, AFifoInAPppdsTreeHidesTheLinkWithoutBlocking)
{
    const char* files[] = {"sys/class/net/ppp0/flags", "run/ppp0.pid", "proc/4242/cmdline"};
    for (const char* file : files) {
        SCOPED_TRACE(file);
        FakePppSystem system;
        system.addCalledPppd(4242, "provider", "ppp0");
        const fs::path path = system.roots().proc.parent_path() / file;
        fs::remove(path);
        makeFifo(path);
        const PppDialUp dialUp(system.roots(), std::make_unique<PidfdSignaller>());
        const LogCapture log;

        const auto names = readGuarded([&] { return dialUp.connectedEntries({"provider"}); }, path);
        ASSERT_TRUE(names.has_value()) << "the read blocked";
        EXPECT_THAT(*names, IsEmpty());
        EXPECT_THAT(log.lines(), ElementsAre(HasSubstr(path.string())));
    }
}

// /proc reports a size of 0 whatever a file holds: the limit is kept on
// what is read.
TEST(UnsafeFileTest, AKernelFileIsReadUpToItsLimit)
{
    const fs::path status = "/proc/self/status";
    EXPECT_THAT(readTextFile(status, kSystemFileLimit), ::testing::Optional(HasSubstr("Pid:")));

    const LogCapture log;
    EXPECT_EQ(readTextFile(status, 16), std::nullopt);
    EXPECT_THAT(log.lines(), ElementsAre(HasSubstr("more than 16 bytes")));
}

} // namespace
} // namespace zrt::test
