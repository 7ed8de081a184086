#include "tests/support/fake_ppp_system.h"
#include "tests/support/log_capture.h"

#include "dialup/ppp_dialup.h"

#include <QProcess>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

// Each peer's pppd is a real process of the test's own, which the fake
// system is allowed to signal: the real signaller ends it directly.
TEST(HangUp, PeersNamedLikeShellCommandsAreSignalledDirectly)
{
    FakePppSystem system;
    const SignalsAllowed allowed;
    std::vector<std::unique_ptr<QProcess>> pppds;
    for (size_t i = 0; i < kShellNames.size(); ++i) {
        auto& pppd = pppds.emplace_back(std::make_unique<QProcess>());
        pppd->start(QStringLiteral("sleep"), {QStringLiteral("60")});
        ASSERT_TRUE(pppd->waitForStarted());
        system.addPeerFile(kShellNames[i]);
        system.addCalledPppd(static_cast<pid_t>(pppd->processId()), kShellNames[i], "ppp" + std::to_string(i));
    }
    PppDialUp dialUp(system.roots(), std::make_unique<PidfdSignaller>());
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

// The pids of a fake tree may name any real process: none is signalled
// unless the variable asks for it, and what would have been is logged.
TEST(HangUp, AFakeSystemIsSignalledOnlyWhenAllowed)
{
    FakePppSystem system;
    system.addCalledPppd(4242, "provider", "ppp0");
    std::vector<pid_t> signalled;
    PppDialUp dialUp(system.roots(), std::make_unique<RecordingSignaller>(signalled));
    const LogCapture log;

    dialUp.hangUpAll();
    EXPECT_THAT(signalled, ::testing::IsEmpty());
    EXPECT_THAT(log.lines(), ::testing::ElementsAre(::testing::HasSubstr("not signalling ppp0 (pppd 4242)")));
    EXPECT_EQ(dialUp.takeHangUpRefusal(), std::nullopt);

    const SignalsAllowed allowed;
    dialUp.hangUpAll();
    EXPECT_THAT(signalled, ::testing::ElementsAre(4242));
}

// The signaller holds the process before it is checked: one that ends
// before or during the check is not signalled, whoever takes its pid.
TEST(HangUp, AProcessThatEndsBeforeItsSignalIsNotSignalled)
{
    struct Case {
        const char* what;
        bool endsBeforeTheHold;
    };
    for (const Case& when : {Case{"before it is held", true}, Case{"between the check and the signal", false}}) {
        SCOPED_TRACE(when.what);
        QProcess process;
        process.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        ASSERT_TRUE(process.waitForStarted());
        const auto pid = static_cast<pid_t>(process.processId());
        const std::function<void()> end = [&process] {
            process.kill();
            ASSERT_TRUE(process.waitForFinished(5000)); // reaped: its pid is free
        };
        if (when.endsBeforeTheHold)
            end();
        bool checked = false;

        const auto error = PidfdSignaller().terminateIf(pid, [&] {
            checked = true;
            if (!when.endsBeforeTheHold)
                end();
            return true;
        });

        EXPECT_EQ(error, std::errc::no_such_process);
        EXPECT_EQ(checked, !when.endsBeforeTheHold);
    }
}

} // namespace
} // namespace zrt::test
