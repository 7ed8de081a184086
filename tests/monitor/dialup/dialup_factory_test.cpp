#include "fake_ppp_system.h"
#include "temp_dir.h"

#include "monitor/dialup/dialup_factory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

namespace zrt {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Sets an environment variable, putting back its old value when it goes.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value)
        : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DialUpFactoryTest, PppReadsTheTreesTheEnvironmentPointsAt)
{
    FakePppSystem system;
    system.addPeerFile("provider");
    system.addCalledPppd(4242, "provider", "ppp0");
    const auto roots = system.roots();
    const ScopedEnvironment proc("ZRTELLIX_PROC_ROOT", roots.proc.string());
    const ScopedEnvironment sys("ZRTELLIX_SYS_ROOT", roots.sys.string());
    const ScopedEnvironment run("ZRTELLIX_RUN_ROOT", roots.run.string());
    const ScopedEnvironment peers("ZRTELLIX_PEERS_DIR", roots.peers.string());

    const auto choice = makeDialUpService(kDefaultDialUpKind);

    ASSERT_NE(choice.service, nullptr) << choice.error;
    EXPECT_THAT(choice.service->FillDialUpEntries(), ElementsAre("provider"));
    EXPECT_TRUE(choice.service->IsEntryConnected("provider"));
}

TEST(DialUpFactoryTest, EmptyEnvironmentValuesKeepTheSystemTrees)
{
    const ScopedEnvironment proc("ZRTELLIX_PROC_ROOT", "");
    const ScopedEnvironment peers("ZRTELLIX_PEERS_DIR", "");

    const auto roots = PppRoots::fromEnvironment();

    EXPECT_EQ(roots.proc, "/proc");
    EXPECT_EQ(roots.peers, "/etc/ppp/peers");
}

TEST(DialUpFactoryTest, SimReadsItsFolder)
{
    TempDir folder;
    std::ofstream(folder.path() / "entries") << "provider\n";
    std::ofstream(folder.path() / "connected") << "provider\n";

    const auto choice = makeDialUpService("sim:" + folder.path().string());

    ASSERT_NE(choice.service, nullptr) << choice.error;
    EXPECT_THAT(choice.service->FillDialUpEntries(), ElementsAre("provider"));
    EXPECT_TRUE(choice.service->IsEntryConnected("provider"));
}

TEST(DialUpFactoryTest, NoneHasNothing)
{
    const auto choice = makeDialUpService("none");

    ASSERT_NE(choice.service, nullptr) << choice.error;
    EXPECT_THAT(choice.service->FillDialUpEntries(), IsEmpty());
    EXPECT_FALSE(choice.service->IsDialUpActive());
    EXPECT_FALSE(choice.service->IsEntryConnected(""));
}

TEST(DialUpFactoryTest, InvalidKindsAreRefusedWithAReason)
{
    struct Case {
        std::string_view kind;
        std::string_view reason;
    };
    const Case cases[] = {
        {"sim:", "needs a folder"},
        {"sim", "needs a folder"},
        {"", "unknown dial-up kind \"\""},
        {"PPP", "unknown dial-up kind \"PPP\""},
        {"ras", "use ppp, sim:FOLDER or none"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kind));
        const auto choice = makeDialUpService(c.kind);
        EXPECT_EQ(choice.service, nullptr);
        EXPECT_THAT(choice.error, HasSubstr(std::string(c.reason)));
    }
}

} // namespace
} // namespace zrt
