#include "tests/support/fake_ppp_system.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include "dialup/interface_traffic.h"
#include "dialup/ppp_dialup.h"
#include "dialup/sim_dialup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace zrt::test {
namespace {

using std::nullopt;
using Counters = std::optional<TrafficCounters>;

constexpr std::uint64_t kLargest = 18'446'744'073'709'551'615ULL;

// Each case is a pppd's interface with its rx_bytes and tx_bytes as written.
TEST(InterfaceTraffic, ThePppLineIsCountedOnItsOwnInterface)
{
    const struct {
        const char* received;
        const char* sent;
        Counters counters;
    } cases[] = {
        {"5000\n", "700\n", TrafficCounters{5000, 700}},
        {" 12 \r\n", "3", TrafficCounters{12, 3}},
        {"18446744073709551615\n", "0\n", TrafficCounters{kLargest, 0}},
        {"18446744073709551616\n", "0\n", nullopt},
        {"5000\n", "lots\n", nullopt},
        {"-1\n", "0\n", nullopt},
        {"12 34\n", "0\n", nullopt},
        {"", "0\n", nullopt},
    };
    FakePppSystem system;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        system.addCalledPppd(pid_t(100 + i), "peer" + std::to_string(i), "ppp" + std::to_string(i));
    const PppDialUp dialUp(system.roots(), std::make_unique<PidfdSignaller>());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        system.setCounters("ppp" + std::to_string(i), cases[i].received, cases[i].sent);
        EXPECT_EQ(dialUp.trafficOf("peer" + std::to_string(i)), cases[i].counters) << cases[i].received;
    }
    system.setCounters("ppp0", "12\n", "3\n"); // the interface made anew reads its new counters
    EXPECT_EQ(dialUp.trafficOf("peer0"), (TrafficCounters{12, 3}));
    EXPECT_EQ(dialUp.trafficOf("provider"), nullopt) << "an entry not up";
    for (const char* name : {"", ".", "..", "../net/ppp0"})
        EXPECT_EQ(readInterfaceTraffic(system.roots().sys, name), nullopt) << name;
}

TEST(InterfaceTraffic, TheSimulatedDialerReadsItsBytesFileWhileTheEntryIsUp)
{
    LogCapture log; // the refused files are logged
    TempDir folder;
    const SimDialUp dialUp(folder.path());
    const auto write = [&](const char* name, const std::string& content) {
        std::ofstream(folder.path() / name, std::ios::binary | std::ios::trunc) << content;
    };
    write("connected", "My ISP\n");
    EXPECT_EQ(dialUp.trafficOf("My ISP"), nullopt) << "no bytes file";

    const std::pair<std::string, Counters> files[] = {
        {"1000 200\n", TrafficCounters{1000, 200}},
        {"40\t5\r\n", TrafficCounters{40, 5}}, // counters made anew
        {"1000\n", nullopt},
        {"1 2 3\n", nullopt},
        {"1\n2\n", nullopt},
        {"rx tx\n", nullopt},
        {std::string(70 * 1024, ' ') + "1 2\n", nullopt}, // longer than any such file
    };
    for (const auto& [content, counters] : files) {
        write("bytes", content);
        EXPECT_EQ(dialUp.trafficOf("My ISP"), counters) << content.substr(0, 20);
    }
    write("bytes", "1000 200\n");
    EXPECT_EQ(dialUp.trafficOf("provider"), nullopt) << "an entry not up";
}

} // namespace
} // namespace zrt::test
