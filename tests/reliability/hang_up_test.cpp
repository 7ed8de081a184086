#include "tests/monitor/dialup/fake_ppp_system.h"

#include "monitor/dialup/ppp_dialup.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace zrt {
namespace {

using ::testing::UnorderedElementsAreArray;

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

class RecordingSignaller final : public ProcessSignaller {
public:
    explicit RecordingSignaller(std::vector<pid_t>& signalled) : signalled_(signalled) {}
    std::error_code terminate(pid_t pid) override
    {
        signalled_.push_back(pid);
        return {};
    }

private:
    std::vector<pid_t>& signalled_;
};

bool canaryFound(const FakePppSystem& system)
{
    const std::filesystem::path folders[] = {std::filesystem::current_path(), system.roots().peers,
                                             system.roots().run, std::filesystem::temp_directory_path()};
    return std::any_of(std::begin(folders), std::end(folders),
                       [](const std::filesystem::path& folder) { return std::filesystem::exists(folder / kCanary); });
}

TEST(HangUp, PeersNamedLikeShellCommandsAreSignalledDirectly)
{
    FakePppSystem system;
    std::vector<pid_t> pids;
    for (size_t i = 0; i < kShellNames.size(); ++i) {
        const auto pid = static_cast<pid_t>(4000 + i);
        system.addPeerFile(kShellNames[i]);
        system.addCalledPppd(pid, kShellNames[i], "ppp" + std::to_string(i));
        pids.push_back(pid);
    }
    std::vector<pid_t> signalled;
    PppDialUp dialUp(system.roots(), std::make_unique<RecordingSignaller>(signalled));

    EXPECT_THAT(dialUp.FillDialUpEntries(), UnorderedElementsAreArray(kShellNames));
    for (const std::string& name : kShellNames)
        EXPECT_TRUE(dialUp.IsEntryConnected(name)) << name;
    dialUp.HangUpAll();

    EXPECT_THAT(signalled, UnorderedElementsAreArray(pids));
    EXPECT_FALSE(canaryFound(system));
}

// The real signaller ends a real process, named as a pppd for such a peer.
TEST(HangUp, TheSignalReachesTheProcessItself)
{
    QProcess pppd;
    pppd.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(pppd.waitForStarted());
    FakePppSystem system;
    system.addPeerFile(kShellNames[1]);
    system.addCalledPppd(static_cast<pid_t>(pppd.processId()), kShellNames[1], "ppp0");

    PppDialUp dialUp(system.roots(), std::make_unique<KillSignaller>());
    dialUp.HangUpAll();

    ASSERT_TRUE(pppd.waitForFinished(5000));
    EXPECT_EQ(pppd.exitStatus(), QProcess::CrashExit) << "ended by the signal";
    EXPECT_FALSE(canaryFound(system));
}

} // namespace
} // namespace zrt
