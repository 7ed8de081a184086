#include "tests/support/fake_ppp_system.h"

#include "dialup/ppp_dialup.h"

#include <QProcess>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace zrt::test {
namespace {

constexpr char kCanary[] = "zrtellix-shell-ran";

// Peer names a shell would take for commands. A hang-up that went through
// a shell would leave the canary file behind.
const std::vector<std::string> kShellNames{
    "casa; touch zrtellix-shell-ran",
    "$(touch zrtellix-shell-ran)",
    "`touch zrtellix-shell-ran`",
    "x | touch zrtellix-shell-ran",
    "x && touch zrtellix-shell-ran #",
    "'\"quoted\"' > zrtellix-shell-ran",
    "-rf *",
    "~root $HOME ${IFS}",
};

bool canaryFound(const FakePppSystem& system)
{
    const std::filesystem::path folders[] = {std::filesystem::current_path(), system.roots().peers,
                                             system.roots().run, std::filesystem::temp_directory_path()};
    return std::any_of(std::begin(folders), std::end(folders),
                       [](const std::filesystem::path& folder) { return std::filesystem::exists(folder / kCanary); });
}

// Each peer's pppd is a real process: the real signaller ends it directly.
TEST(HangUp, PeersNamedLikeShellCommandsAreSignalledDirectly)
{
    FakePppSystem system;
    std::vector<std::unique_ptr<QProcess>> pppds;
    for (size_t i = 0; i < kShellNames.size(); ++i) {
        auto& pppd = pppds.emplace_back(std::make_unique<QProcess>());
        pppd->start(QStringLiteral("sleep"), {QStringLiteral("60")});
        ASSERT_TRUE(pppd->waitForStarted());
        system.addPeerFile(kShellNames[i]);
        system.addCalledPppd(static_cast<pid_t>(pppd->processId()), kShellNames[i], "ppp" + std::to_string(i));
    }
    PppDialUp dialUp(system.roots(), std::make_unique<KillSignaller>());
    EXPECT_THAT(dialUp.entries(), ::testing::UnorderedElementsAreArray(kShellNames));
    for (const std::string& name : kShellNames)
        EXPECT_TRUE(dialUp.isEntryConnected(name)) << name;
    dialUp.hangUpAll();

    for (const auto& pppd : pppds) {
        ASSERT_TRUE(pppd->waitForFinished(5000));
        EXPECT_EQ(pppd->exitStatus(), QProcess::CrashExit) << "ended by the signal";
    }
    EXPECT_FALSE(canaryFound(system));
}

} // namespace
} // namespace zrt::test
