#include "fake_ppp_system.h"
#include "log_capture.h"

#include "monitor/dialup/ppp_dialup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <set>

namespace zrt {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Records the pids it is asked to end; refuses those in `refused`.
class RecordingSignaller final : public ProcessSignaller {
public:
    RecordingSignaller(std::vector<pid_t>& signalled, std::set<pid_t> refused = {})
        : signalled_(signalled), refused_(std::move(refused))
    {
    }
    std::error_code terminate(pid_t pid) override
    {
        signalled_.push_back(pid);
        return refused_.contains(pid) ? std::make_error_code(std::errc::operation_not_permitted) : std::error_code();
    }

private:
    std::vector<pid_t>& signalled_;
    std::set<pid_t> refused_;
};

using System = FakePppSystem;
constexpr auto kUp = FakePppSystem::kUpFlags;
constexpr auto kDown = FakePppSystem::kDownFlags;

// A ppp system and what the backend makes of it.
struct Scenario {
    const char* what;
    std::function<void(System&)> make;
    bool active;
    std::vector<std::string> connected;
    std::vector<std::string> notConnected;
    std::vector<pid_t> signalledByHangUp;
};

const Scenario kScenarios[] = {
    {"ethernet up, ppp down",
     [](System& s) {
         s.addInterface("eth0", "0x1003");
         s.addInterface("ppp0", kDown);
     },
     false, {}, {}, {}},
    {"called by pon, one peer outside the phonebook",
     [](System& s) {
         s.addPeerFile("My ISP");
         s.addPeerFile("provider");
         s.addCalledPppd(4242, "My ISP", "ppp0");
         s.addCalledPppd(500, "stranger", "ppp1");
     },
     true, {"My ISP", "stranger"}, {"my isp", "My ISP ", "My", "provider"}, {500, 4242}},
    {"link name pid file names the entry and its interface",
     [](System& s) {
         s.addProcess(77, {"/usr/sbin/pppd", "/dev/ttyS0", "linkname", "work"});
         s.addInterface("ppp1", kUp);
         s.writeRunFile("ppp-work.pid", "77\nppp1\n");
     },
     true, {"work"}, {}, {77}},
    {"pid files of newer pppd in their own folder",
     [](System& s) {
         s.addProcess(88, {"pppd", "call", "provider"});
         s.addInterface("ppp0", kUp);
         s.writeRunFile("pppd/ppp0.pid", "88\n");
     },
     true, {"provider"}, {}, {88}},
    {"pppd of a down interface, pid files of gone or foreign processes",
     [](System& s) {
         s.addCalledPppd(4242, "idle", "ppp2");
         s.addInterface("ppp2", kDown);
         s.addInterface("ppp0", kUp);
         s.addInterface("ppp1", kUp);
         s.writeRunFile("ppp0.pid", "999\n"); // stale: no /proc/999
         s.writeRunFile("ppp-provider.pid", "999\nppp0\n");
         s.addProcess(321, {"/bin/bash"}); // pid reused by another program
         s.writeRunFile("ppp1.pid", "321\n");
         s.writeRunFile("ppp-work.pid", "321\nppp1\n");
     },
     true, {}, {"idle", "provider", "work"}, {}},
};

TEST(PppDialUp, ALineIsAPppdOwningAnUpInterfaceAndHangingUpEndsEachOne)
{
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.what);
        System system;
        scenario.make(system);
        std::vector<pid_t> signalled;
        PppDialUp dialUp(system.roots(), std::make_unique<RecordingSignaller>(signalled));

        EXPECT_EQ(dialUp.IsDialUpActive(), scenario.active);
        for (const std::string& entry : scenario.connected)
            EXPECT_TRUE(dialUp.IsEntryConnected(entry)) << entry;
        for (const std::string& entry : scenario.notConnected)
            EXPECT_FALSE(dialUp.IsEntryConnected(entry)) << entry;
        dialUp.HangUpAll();
        EXPECT_EQ(signalled, scenario.signalledByHangUp);
    }
}

// A missing peers folder is no phonebook; one that cannot be read is logged.
TEST(PppDialUp, PhonebookIsThePeerFilesSortedByNameAndAnUnreadableFolderIsLogged)
{
    FakePppSystem system;
    for (const auto* name : {"provider", "My ISP", "alpha", ".hidden", "old~", "provider.dpkg-old"})
        system.addPeerFile(name);
    std::filesystem::create_directory(system.roots().peers / "folder");
    const PppDialUp dialUp(system.roots(), std::make_unique<KillSignaller>());
    LogCapture log;
    EXPECT_THAT(dialUp.FillDialUpEntries(), ElementsAre("My ISP", "alpha", "provider"));

    std::filesystem::remove_all(system.roots().peers);
    EXPECT_THAT(dialUp.FillDialUpEntries(), IsEmpty());
    EXPECT_THAT(log.lines(), IsEmpty());
    std::ofstream(system.roots().peers) << "not a folder\n";
    EXPECT_THAT(dialUp.FillDialUpEntries(), IsEmpty());
    EXPECT_THAT(log.lines(), ElementsAre(HasSubstr(system.roots().peers.string())));
}

TEST(PppDialUp, RefusedHangUpIsLoggedAndTheOthersStillEnd)
{
    FakePppSystem system;
    system.addCalledPppd(100, "provider", "ppp0");
    system.addCalledPppd(200, "My ISP", "ppp1");
    std::vector<pid_t> signalled;
    PppDialUp dialUp(system.roots(), std::make_unique<RecordingSignaller>(signalled, std::set<pid_t>{100}));
    LogCapture log;

    dialUp.HangUpAll();

    EXPECT_THAT(signalled, ElementsAre(100, 200));
    EXPECT_THAT(log.lines(), ElementsAre(HasSubstr("ppp0 (pppd 100)")));
}

TEST(KillSignallerTest, RefusesPidsThatNameProcessGroups)
{
    KillSignaller signaller;
    for (const pid_t pid : {0, -1, -4242})
        EXPECT_EQ(signaller.terminate(pid), std::errc::invalid_argument) << pid;
}

} // namespace
} // namespace zrt
