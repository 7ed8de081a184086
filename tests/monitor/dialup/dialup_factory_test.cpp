#include "fake_ppp_system.h"
#include "temp_dir.h"

#include "monitor/dialup/dialup_factory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace zrt {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr const char* kRootVariables[] = {"ZRTELLIX_PROC_ROOT", "ZRTELLIX_SYS_ROOT", "ZRTELLIX_RUN_ROOT",
                                          "ZRTELLIX_PEERS_DIR"};

// Points the ppp backend's root variables at `roots` while it lives.
class RootsEnvironment {
public:
    explicit RootsEnvironment(const PppRoots& roots)
    {
        const std::filesystem::path* paths[] = {&roots.proc, &roots.sys, &roots.run, &roots.peers};
        for (size_t i = 0; i < std::size(kRootVariables); ++i)
            ::setenv(kRootVariables[i], paths[i]->c_str(), 1);
    }
    ~RootsEnvironment()
    {
        for (const char* name : kRootVariables)
            ::unsetenv(name);
    }
    RootsEnvironment(const RootsEnvironment&) = delete;
    RootsEnvironment& operator=(const RootsEnvironment&) = delete;
};

TEST(DialUpFactoryTest, EachKindReadsItsOwnSource)
{
    FakePppSystem system;
    system.addPeerFile("provider");
    system.addCalledPppd(4242, "provider", "ppp0");
    const RootsEnvironment environment(system.roots());
    TempDir simFolder;
    std::ofstream(simFolder.path() / "entries") << "provider\n";
    std::ofstream(simFolder.path() / "connected") << "provider\n";

    for (const std::string& kind : {std::string(kDefaultDialUpKind), "sim:" + simFolder.path().string()}) {
        SCOPED_TRACE(kind);
        const auto choice = makeDialUpService(kind);
        ASSERT_NE(choice.service, nullptr) << choice.error;
        EXPECT_THAT(choice.service->FillDialUpEntries(), ElementsAre("provider"));
        EXPECT_TRUE(choice.service->IsDialUpActive());
        EXPECT_TRUE(choice.service->IsEntryConnected("provider"));
    }

    const auto none = makeDialUpService("none");
    ASSERT_NE(none.service, nullptr) << none.error;
    EXPECT_THAT(none.service->FillDialUpEntries(), IsEmpty());
    EXPECT_FALSE(none.service->IsDialUpActive());
    EXPECT_FALSE(none.service->IsEntryConnected(""));
}

TEST(DialUpFactoryTest, EmptyEnvironmentValuesKeepTheSystemTrees)
{
    const RootsEnvironment environment(PppRoots{"", "", "", ""});
    const auto roots = PppRoots::fromEnvironment();
    EXPECT_EQ(roots.proc, "/proc");
    EXPECT_EQ(roots.peers, "/etc/ppp/peers");
}

TEST(DialUpFactoryTest, InvalidKindsAreRefusedWithAReason)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"sim:", "needs a folder"},
        {"sim", "needs a folder"},
        {"", "unknown dial-up kind \"\""},
        {"PPP", "unknown dial-up kind \"PPP\""},
        {"ras", "use ppp, sim:FOLDER or none"},
    };
    for (const auto& [kind, reason] : cases) {
        SCOPED_TRACE(std::string(kind));
        const auto choice = makeDialUpService(kind);
        EXPECT_EQ(choice.service, nullptr);
        EXPECT_THAT(choice.error, HasSubstr(std::string(reason)));
    }
}

} // namespace
} // namespace zrt
