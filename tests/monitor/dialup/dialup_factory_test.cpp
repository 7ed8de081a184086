#include "fake_ppp_system.h"

#include "monitor/dialup/dialup_factory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace zrt {
namespace {

using ::testing::ElementsAre;

// The roots are read from the environment when the service is made.
TEST(DialUpFactoryTest, ThePppKindReadsTheTreesTheEnvironmentNames)
{
    FakePppSystem system;
    system.addPeerFile("provider");
    system.addCalledPppd(4242, "provider", "ppp0");
    const PppRoots roots = system.roots();
    const std::pair<const char*, std::filesystem::path> variables[] = {
        {"ZRTELLIX_PROC_ROOT", roots.proc},
        {"ZRTELLIX_SYS_ROOT", roots.sys},
        {"ZRTELLIX_RUN_ROOT", roots.run},
        {"ZRTELLIX_PEERS_DIR", roots.peers},
    };
    for (const auto& [name, path] : variables)
        ::setenv(name, path.c_str(), 1);
    const auto choice = makeDialUpService(kDefaultDialUpKind);
    for (const auto& variable : variables)
        ::unsetenv(variable.first);

    ASSERT_NE(choice.service, nullptr) << choice.error;
    EXPECT_THAT(choice.service->FillDialUpEntries(), ElementsAre("provider"));
    EXPECT_TRUE(choice.service->IsEntryConnected("provider"));
}

} // namespace
} // namespace zrt
