#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include "dialup/combined_dialup.h"
#include "dialup/no_dialup.h"
#include "dialup/sim_dialup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace zrt::test {
namespace {

using ::testing::ElementsAre;

// A dialer whose service cannot be reached, still holding the line it last saw.
class UnreachableDialUp final : public DialUpService {
public:
    explicit UnreachableDialUp(bool lineUp) : lineUp_(lineUp) {}

    bool isDialUpActive() const override { return lineUp_; }
    std::vector<std::string> entries() const override { return {}; }
    bool isEntryConnected(std::string_view) const override { return false; }
    void hangUpAll() override {}
    DialUpAvailability availability() const override
    {
        return {DialUpAvailability::State::ServiceMissing, "irraggiungibile"};
    }

private:
    bool lineUp_;
};

// Two played dialers, each from its own folder.
class CombinedDialUpTest : public ::testing::Test {
protected:
    static void write(const TempDir& folder, const char* fileName, std::string_view content)
    {
        std::ofstream(folder.path() / fileName, std::ios::binary) << content;
    }

    static std::unique_ptr<DialUpService> simOf(const TempDir& folder)
    {
        return std::make_unique<SimDialUp>(folder.path());
    }

    CombinedDialUp combined(std::unique_ptr<DialUpService> extra = nullptr) const
    {
        std::vector<std::unique_ptr<DialUpService>> parts;
        if (extra)
            parts.push_back(std::move(extra));
        parts.push_back(simOf(first));
        parts.push_back(simOf(second));
        return CombinedDialUp(std::move(parts));
    }

    TempDir first;
    TempDir second;
};

TEST_F(CombinedDialUpTest, EntriesLinesAndHangUpsSpanEveryDialer)
{
    write(first, "entries", "provider\nTIM\n");
    write(second, "entries", "TIM\nAlpha\n");
    write(first, "connected", "TIM\tcall-7\n");
    write(second, "connected", "TIM\tcall-9\nAlpha\n");
    CombinedDialUp dialUp = combined();

    EXPECT_THAT(dialUp.entries(), ElementsAre("Alpha", "TIM", "provider"));
    EXPECT_TRUE(dialUp.isEntryConnected("Alpha"));
    EXPECT_FALSE(dialUp.isEntryConnected("provider"));
    EXPECT_EQ(dialUp.connectionOf("TIM"), (ConnectionIdentity{std::nullopt, "call-7"}));
    EXPECT_THAT(dialUp.connectedEntries({"provider", "TIM", "Alpha", "Beta"}), ElementsAre("TIM", "Alpha"));

    dialUp.hangUpAll();
    EXPECT_FALSE(dialUp.isDialUpActive());
    EXPECT_EQ(dialUp.takeHangUpRefusal(), std::nullopt);
}

TEST_F(CombinedDialUpTest, EachDialerThatRefusesAHangUpGivesALine)
{
    std::filesystem::create_directory(first.path() / "connected"); // cannot be emptied
    std::filesystem::create_directory(second.path() / "connected");
    CombinedDialUp dialUp = combined();
    const LogCapture log;
    dialUp.hangUpAll();
    const auto refusals = dialUp.takeHangUpRefusal();
    ASSERT_TRUE(refusals);
    EXPECT_EQ(std::ranges::count(*refusals, '\n'), 1);
}

// An unreachable dialer is no news on a machine that does not use it; it
// is while it held the line.
TEST_F(CombinedDialUpTest, AnUnreachableDialerMattersOnlyWhileItHeldALine)
{
    EXPECT_TRUE(combined(std::make_unique<UnreachableDialUp>(false)).availability().isAvailable());
    EXPECT_EQ(combined(std::make_unique<UnreachableDialUp>(true)).availability().message, "irraggiungibile");
}

// The sim dialers watch their files; one that cannot watch makes the
// whole poll.
TEST_F(CombinedDialUpTest, WatchesEventsOnlyWhenEveryDialerDoes)
{
    CombinedDialUp watching = combined(std::make_unique<NoDialUp>());
    CombinedDialUp polling = combined(std::make_unique<UnreachableDialUp>(false));
    watching.watch([] {});
    polling.watch([] {});

    EXPECT_TRUE(watching.watchesEvents());
    EXPECT_FALSE(polling.watchesEvents());
}

} // namespace
} // namespace zrt::test
