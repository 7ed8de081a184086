#include "fake_ppp_system.h"
#include "log_capture.h"

#include "monitor/dialup/ppp_dialup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
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
    RecordingSignaller(std::vector<pid_t>& signalled, std::set<pid_t> refused)
        : signalled_(signalled)
        , refused_(std::move(refused))
    {
    }

    std::error_code terminate(pid_t pid) override
    {
        signalled_.push_back(pid);
        if (refused_.contains(pid))
            return std::make_error_code(std::errc::operation_not_permitted);
        return {};
    }

private:
    std::vector<pid_t>& signalled_;
    std::set<pid_t> refused_;
};

class PppDialUpTest : public ::testing::Test {
protected:
    PppDialUp service(std::set<pid_t> refused = {})
    {
        return PppDialUp(system.roots(),
                         std::make_unique<RecordingSignaller>(signalled, std::move(refused)));
    }

    FakePppSystem system;
    std::vector<pid_t> signalled;
};

TEST_F(PppDialUpTest, PhonebookIsThePeerFilesSortedByName)
{
    for (const auto* name : {"provider", "My ISP", "Zeta", "alpha", ".hidden", "old~",
                             "provider.bak", "provider.orig", "provider.dpkg-old", "x.swp"})
        system.addPeerFile(name);
    std::filesystem::create_directory(system.roots().peers / "folder");

    EXPECT_THAT(service().FillDialUpEntries(), ElementsAre("My ISP", "Zeta", "alpha", "provider"));
}

TEST_F(PppDialUpTest, NoPeersFolderMeansNoEntriesQuietly)
{
    std::filesystem::remove(system.roots().peers);
    LogCapture log;

    EXPECT_THAT(service().FillDialUpEntries(), IsEmpty());
    EXPECT_THAT(log.lines(), IsEmpty());
}

TEST_F(PppDialUpTest, UnreadablePeersFolderIsLogged)
{
    std::filesystem::remove(system.roots().peers);
    std::ofstream(system.roots().peers) << "not a folder\n";
    LogCapture log;

    EXPECT_THAT(service().FillDialUpEntries(), IsEmpty());
    ASSERT_EQ(log.lines().size(), 1U);
    EXPECT_THAT(log.lines().front(), HasSubstr(system.roots().peers.string()));
}

TEST_F(PppDialUpTest, ActiveWhenAPppInterfaceIsUp)
{
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> interfaces;
        bool active;
    };
    const Case cases[] = {
        {"no interface", {}, false},
        {"ppp up with operstate unknown", {{"ppp0", "0x1091"}}, true},
        {"ppp down", {{"ppp0", "0x1090"}}, false},
        {"only ethernet up", {{"eth0", "0x1003"}}, false},
        {"unreadable flags", {{"ppp0", "garbage"}}, false},
        {"one of two up", {{"ppp0", "0x1090"}, {"ppp1", "0x1091"}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePppSystem fresh;
        for (const auto& [name, flags] : c.interfaces)
            fresh.addInterface(name, flags);
        PppDialUp dialUp(fresh.roots(), std::make_unique<KillSignaller>());
        EXPECT_EQ(dialUp.IsDialUpActive(), c.active);
    }
}

TEST_F(PppDialUpTest, EntryCalledByPonIsConnectedByExactName)
{
    system.addPeerFile("My ISP");
    system.addPeerFile("provider");
    system.addCalledPppd(4242, "My ISP", "ppp0");
    const auto dialUp = service();

    EXPECT_TRUE(dialUp.IsDialUpActive());
    EXPECT_TRUE(dialUp.IsEntryConnected("My ISP"));
    EXPECT_FALSE(dialUp.IsEntryConnected("my isp"));
    EXPECT_FALSE(dialUp.IsEntryConnected("My ISP "));
    EXPECT_FALSE(dialUp.IsEntryConnected("My"));
    EXPECT_FALSE(dialUp.IsEntryConnected("provider"));
}

TEST_F(PppDialUpTest, LinkNamePidFileNamesTheEntryAndItsInterface)
{
    system.addProcess(77, {"/usr/sbin/pppd", "/dev/ttyS0", "linkname", "work"});
    system.addInterface("ppp1", FakePppSystem::kUpFlags);
    system.writeRunFile("ppp-work.pid", "77\nppp1\n");

    EXPECT_TRUE(service().IsEntryConnected("work"));
}

TEST_F(PppDialUpTest, FindsThePidFilesOfNewerPppdInTheirOwnFolder)
{
    system.addProcess(88, {"pppd", "call", "provider"});
    system.addInterface("ppp0", FakePppSystem::kUpFlags);
    system.writeRunFile("pppd/ppp0.pid", "88\n");

    EXPECT_TRUE(service().IsEntryConnected("provider"));
}

TEST_F(PppDialUpTest, PppdWhoseInterfaceIsDownIsNotConnected)
{
    system.addCalledPppd(4242, "provider", "ppp0");
    system.addInterface("ppp0", FakePppSystem::kDownFlags);
    auto dialUp = service();

    EXPECT_FALSE(dialUp.IsDialUpActive());
    EXPECT_FALSE(dialUp.IsEntryConnected("provider"));
    dialUp.HangUpAll();
    EXPECT_THAT(signalled, IsEmpty());
}

TEST_F(PppDialUpTest, PeerOutsideThePhonebookIsUpButNoEntryIs)
{
    system.addPeerFile("provider");
    system.addCalledPppd(500, "stranger", "ppp0");
    auto dialUp = service();

    EXPECT_TRUE(dialUp.IsDialUpActive());
    EXPECT_THAT(dialUp.FillDialUpEntries(), ElementsAre("provider"));
    EXPECT_FALSE(dialUp.IsEntryConnected("provider"));
    EXPECT_TRUE(dialUp.IsEntryConnected("stranger"));
    dialUp.HangUpAll();
    EXPECT_THAT(signalled, ElementsAre(500));
}

TEST_F(PppDialUpTest, PidFilesOfGoneOrForeignProcessesAreIgnored)
{
    system.addInterface("ppp0", FakePppSystem::kUpFlags);
    system.addInterface("ppp1", FakePppSystem::kUpFlags);
    system.writeRunFile("ppp0.pid", "999\n");             // stale: no /proc/999
    system.writeRunFile("ppp-provider.pid", "999\nppp0\n");
    system.addProcess(321, {"/bin/bash"});                // pid reused by another program
    system.writeRunFile("ppp1.pid", "321\n");
    system.writeRunFile("ppp-work.pid", "321\nppp1\n");
    auto dialUp = service();

    EXPECT_TRUE(dialUp.IsDialUpActive());
    EXPECT_FALSE(dialUp.IsEntryConnected("provider"));
    EXPECT_FALSE(dialUp.IsEntryConnected("work"));
    dialUp.HangUpAll();
    EXPECT_THAT(signalled, IsEmpty());
}

TEST_F(PppDialUpTest, HangUpEndsEveryPppdOwningAnUpInterface)
{
    system.addCalledPppd(200, "My ISP", "ppp1");
    system.addCalledPppd(100, "provider", "ppp0");
    system.addCalledPppd(300, "idle", "ppp2");
    system.addInterface("ppp2", FakePppSystem::kDownFlags);
    system.writeRunFile("ppp3.pid", "400\n"); // stale
    system.addInterface("ppp3", FakePppSystem::kUpFlags);
    auto dialUp = service();

    dialUp.HangUpAll();

    EXPECT_THAT(signalled, ElementsAre(100, 200));
}

TEST_F(PppDialUpTest, RefusedHangUpIsLoggedAndTheOthersStillEnd)
{
    system.addCalledPppd(100, "provider", "ppp0");
    system.addCalledPppd(200, "My ISP", "ppp1");
    auto dialUp = service({100});
    LogCapture log;

    dialUp.HangUpAll();

    EXPECT_THAT(signalled, ElementsAre(100, 200));
    ASSERT_EQ(log.lines().size(), 1U);
    EXPECT_THAT(log.lines().front(), HasSubstr("ppp0"));
    EXPECT_THAT(log.lines().front(), HasSubstr("100"));
}

TEST(KillSignallerTest, RefusesPidsThatNameProcessGroups)
{
    KillSignaller signaller;
    for (const pid_t pid : {0, -1, -4242})
        EXPECT_EQ(signaller.terminate(pid), std::errc::invalid_argument) << pid;
}

} // namespace
} // namespace zrt
