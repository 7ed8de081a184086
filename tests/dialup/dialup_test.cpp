#include "tests/support/log_capture.h"

#include "tests/support/fake_ppp_system.h"

#include "dialup/dialup_factory.h"
#include "dialup/dialup_log.h"
#include "dialup/ppp_dialup.h"
#include "dialup/ppp_parsing.h"
#include "dialup/sim_dialup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <tuple>

namespace zrt::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Optional;
using ::testing::StartsWith;
using namespace std::string_view_literals;
using std::nullopt;

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
     [](System& s) { s.addInterface("eth0", "0x1003"); s.addInterface("ppp0", kDown); }, false, {}, {}, {}},
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
         s.addProcess(600, {"pppd", "call", "odd"}); // pid files under names pppd does not give them
         s.addInterface("ppp3", kUp);
         for (const auto* name : {"ppp3.pid.old", "sshd.pid", "ppp-.pid"})
             s.writeRunFile(name, "600\nppp3\n");
         s.addCalledPppd(700, "garbled", "ppp4");
         s.addInterface("ppp4", "0x1 091"); // flags that do not parse
     },
     true, {}, {"idle", "provider", "work", "odd", "garbled", ""}, {}},
};

TEST(PppDialUp, ALineIsAPppdOwningAnUpInterfaceAndHangingUpEndsEachOne)
{
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.what);
        System system;
        scenario.make(system);
        std::vector<pid_t> signalled;
        PppDialUp dialUp(system.roots(), std::make_unique<RecordingSignaller>(signalled));
        const SignalsAllowed allowed;

        EXPECT_EQ(dialUp.isDialUpActive(), scenario.active);
        for (const std::string& entry : scenario.connected)
            EXPECT_TRUE(dialUp.isEntryConnected(entry)) << entry;
        for (const std::string& entry : scenario.notConnected)
            EXPECT_FALSE(dialUp.isEntryConnected(entry)) << entry;
        std::vector<std::string> asked = scenario.notConnected;
        asked.insert(asked.begin() + static_cast<std::ptrdiff_t>(asked.size() / 2), scenario.connected.begin(),
                     scenario.connected.end());
        EXPECT_EQ(dialUp.connectedEntries(asked), scenario.connected);
        dialUp.hangUpAll();
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
    const PppDialUp dialUp(system.roots(), std::make_unique<PidfdSignaller>());
    LogCapture log;
    EXPECT_THAT(dialUp.entries(), ElementsAre("My ISP", "alpha", "provider"));

    std::filesystem::remove_all(system.roots().peers);
    EXPECT_THAT(dialUp.entries(), IsEmpty());
    EXPECT_THAT(log.lines(), IsEmpty());
    std::ofstream(system.roots().peers) << "not a folder\n";
    EXPECT_THAT(dialUp.entries(), IsEmpty());
    EXPECT_THAT(log.lines(), ElementsAre(HasSubstr(system.roots().peers.string())));
}

TEST(PppDialUp, RefusedHangUpIsLoggedAndTheOthersStillEnd)
{
    FakePppSystem system;
    system.addCalledPppd(100, "provider", "ppp0");
    system.addCalledPppd(200, "My ISP", "ppp1");
    std::vector<pid_t> signalled;
    PppDialUp dialUp(system.roots(), std::make_unique<RecordingSignaller>(signalled, std::set<pid_t>{100}));
    const SignalsAllowed allowed;
    LogCapture log;

    dialUp.hangUpAll();

    EXPECT_THAT(signalled, ElementsAre(100, 200));
    EXPECT_THAT(log.lines(), ElementsAre(HasSubstr("ppp0 (pppd 100)")));
    EXPECT_EQ(dialUp.takeHangUpRefusal(),
              "Impossibile chiudere la connessione: ppp0 (pppd 100): Operation not permitted");
    EXPECT_EQ(dialUp.takeHangUpRefusal(), nullopt);
}

TEST(PppDialUp, AConnectionIsKnownByItsInterfaceAndThePidOfItsPppd)
{
    FakePppSystem system;
    system.addCalledPppd(4242, "My ISP", "ppp0");
    system.addProcess(77, {"/usr/sbin/pppd", "/dev/ttyS0", "linkname", "work"});
    system.addInterface("ppp1", kUp);
    system.writeRunFile("ppp-work.pid", "77\nppp1\n");
    const PppDialUp dialUp(system.roots(), std::make_unique<PidfdSignaller>());

    EXPECT_EQ(dialUp.connectionOf("My ISP"), (ConnectionIdentity{"ppp0", "4242"}));
    EXPECT_EQ(dialUp.connectionOf("work"), (ConnectionIdentity{"ppp1", "77"}));
    EXPECT_EQ(dialUp.connectionOf("provider"), nullopt);
}

TEST(PidfdSignallerTest, RefusesPidsThatNameProcessGroups)
{
    PidfdSignaller signaller;
    for (const pid_t pid : {0, -1, -4242})
        EXPECT_EQ(signaller.terminateIf(pid, [] { return true; }), std::errc::invalid_argument) << pid;
}

// The roots are read from the environment when the service is made; in
// moved trees the service signals nothing.
TEST(DialUpFactoryTest, ThePppKindReadsTheTreesTheEnvironmentNames)
{
    constexpr pid_t kPidNoProcessHas = 4194305; // above the kernel's largest pid
    FakePppSystem system;
    system.addPeerFile("provider");
    system.addCalledPppd(kPidNoProcessHas, "provider", "ppp0");
    const PppRoots roots = system.roots();
    const std::pair<const char*, std::filesystem::path> variables[] = {
        {"ZRTELLIX_PROC_ROOT", roots.proc}, {"ZRTELLIX_SYS_ROOT", roots.sys},
        {"ZRTELLIX_RUN_ROOT", roots.run},   {"ZRTELLIX_PEERS_DIR", roots.peers},
    };
    for (const auto& [name, path] : variables)
        ::setenv(name, path.c_str(), 1);
    const auto choice = makeDialUpService("ppp");
    for (const auto& variable : variables)
        ::unsetenv(variable.first);

    ASSERT_NE(choice.service, nullptr) << choice.error;
    EXPECT_THAT(choice.service->entries(), ElementsAre("provider"));
    EXPECT_TRUE(choice.service->isEntryConnected("provider"));
    const LogCapture log;
    choice.service->hangUpAll();
    EXPECT_THAT(log.lines(), ElementsAre(HasSubstr("not signalling ppp0 (pppd 4194305)")));
}

TEST(DialUpFactoryTest, NamesTheValidKindsWhenGivenAnother)
{
    const std::pair<std::string_view, std::string_view> kinds[] = {
        {"auto", ""}, {"nm", ""}, {"ppp", ""}, {"none", ""}, {"sim:/tmp/dialer", ""},
        {"sim", "sim:FOLDER"}, {"sim:", "sim:FOLDER"}, {"isdn", "use ppp, sim:FOLDER or none, or auto (the default) or nm"},
    };
    for (const auto& [kind, error] : kinds) {
        const auto choice = makeDialUpService(kind);
        EXPECT_EQ(choice.service == nullptr, !error.empty()) << kind;
        EXPECT_THAT(choice.error, HasSubstr(std::string(error))) << kind;
    }
}

class SimDialUpTest : public ::testing::Test {
protected:
    void write(const char* fileName, std::string_view content)
    {
        std::ofstream(folder.path() / fileName, std::ios::binary) << content;
    }

    std::filesystem::path connectedFile() const { return folder.path() / "connected"; }

    TempDir folder;
    SimDialUp dialUp{folder.path()};
};

TEST_F(SimDialUpTest, EveryCallReadsTheEntriesAndConnectedFilesAfresh)
{
    EXPECT_THAT(dialUp.entries(), IsEmpty());
    EXPECT_FALSE(dialUp.isDialUpActive());

    write("entries", "provider\r\n\nMy ISP\n \t \r\n Spaced \nlast");
    EXPECT_THAT(dialUp.entries(), ElementsAre("provider", "My ISP", " Spaced ", "last"));

    write("connected", "My ISP\r\n");
    EXPECT_TRUE(dialUp.isDialUpActive());
    EXPECT_TRUE(dialUp.isEntryConnected("My ISP"));
    EXPECT_FALSE(dialUp.isEntryConnected("my isp"));
    EXPECT_FALSE(dialUp.isEntryConnected("provider"));
    EXPECT_THAT(dialUp.connectedEntries({"provider", "My ISP", "my isp", "My ISP"}), ElementsAre("My ISP", "My ISP"));

    write("connected", "\n");
    EXPECT_FALSE(dialUp.isDialUpActive());
}

TEST_F(SimDialUpTest, HangUpCreatesNoConnectedFileAndLogsOneItCannotEmpty)
{
    LogCapture log;
    dialUp.hangUpAll();
    EXPECT_FALSE(std::filesystem::exists(connectedFile()));

    EXPECT_EQ(dialUp.takeHangUpRefusal(), nullopt);

    std::filesystem::create_directory(connectedFile());
    dialUp.hangUpAll();
    EXPECT_EQ(log.lines().size(), 1U);
    EXPECT_THAT(dialUp.takeHangUpRefusal(), Optional(StartsWith("Impossibile chiudere la connessione: ")));
}

// A line of the connected file is NAME, or NAME and the id of the call
// after a tab.
TEST_F(SimDialUpTest, TheConnectedFileMayGiveEachLineAnId)
{
    write("connected", "TIM\tcall-7\nMy ISP\r\nEmpty id\t\n Spaced \t 3 \n");
    const std::pair<std::string_view, std::optional<ConnectionIdentity>> lines[] = {
        {"TIM", ConnectionIdentity{nullopt, "call-7"}},
        {"My ISP", ConnectionIdentity{}},
        {"Empty id", ConnectionIdentity{}},
        {" Spaced ", ConnectionIdentity{nullopt, " 3 "}},
        {"TIM\tcall-7", nullopt},
    };
    std::vector<std::string> names;
    std::vector<std::string> connected;
    for (const auto& [name, identity] : lines) {
        EXPECT_EQ(dialUp.connectionOf(name), identity) << name;
        EXPECT_EQ(dialUp.isEntryConnected(name), identity.has_value()) << name;
        names.emplace_back(name);
        if (identity)
            connected.emplace_back(name);
    }
    EXPECT_EQ(dialUp.connectedEntries(names), connected);
}

TEST(PidFileTest, ReadsAPositivePidAndTheInterface)
{
    const std::tuple<std::string_view, std::optional<pid_t>, std::string> cases[] = {
        {"1234", 1234, ""}, {" 1234 \r\nppp1\r\n", 1234, "ppp1"}, {"", nullopt, ""},
        {"12a\n", nullopt, ""}, {"0\n", nullopt, ""}, {"-1\n", nullopt, ""}, {"99999999999999999999\n", nullopt, ""},
    };
    for (const auto& [text, pid, interfaceName] : cases) {
        const auto file = parsePidFile(text);
        EXPECT_EQ(file ? std::optional(file->pid) : nullopt, pid) << text;
        EXPECT_EQ(file ? file->interfaceName : "", interfaceName) << text;
    }
}

TEST(CommandLineTest, RecognisesPppdAndTheCalledPeer)
{
    const std::tuple<std::string_view, bool, std::optional<std::string>> cases[] = {
        {"/usr/sbin/pppd\0call\0My ISP\0"sv, true, "My ISP"},
        {"pppd\0\0call\0unterminated"sv, true, "unterminated"},
        {"pppd\0nodetach\0call\0first\0call\0second\0"sv, true, "first"},
        {"pppd\0call\0"sv, true, nullopt},
        {"pppd\0call\0\0"sv, true, nullopt},
        {"/usr/sbin/pppdump\0call\0provider\0"sv, false, "provider"},
        {""sv, false, nullopt},
    };
    for (const auto& [cmdline, pppd, peer] : cases) {
        const auto arguments = splitCommandLine(cmdline);
        SCOPED_TRACE(arguments.empty() ? std::string() : arguments.front());
        EXPECT_EQ(isPppdCommand(arguments), pppd);
        EXPECT_EQ(calledPeer(arguments), peer);
    }
}

} // namespace
} // namespace zrt::test
