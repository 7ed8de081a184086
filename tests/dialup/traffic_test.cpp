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

constexpr std::uint64_t kLargest = 18'446'744'073'709'551'615ULL;

TEST(TrafficText, ACounterIsOneWholeNumberWithin64Bits)
{
    const std::pair<std::string_view, std::optional<std::uint64_t>> cases[] = {
        {"0\n", 0},
        {"123456\n", 123456},
        {" 42 \r\n", 42},
        {"18446744073709551615\n", kLargest},
        {"18446744073709551616\n", nullopt},
        {"", nullopt},
        {"\n", nullopt},
        {"-1\n", nullopt},
        {"+1\n", nullopt},
        {"12 34\n", nullopt},
        {"0x10\n", nullopt},
        {"1.5\n", nullopt},
    };
    for (const auto& [text, counter] : cases)
        EXPECT_EQ(parseByteCounter(text), counter) << text;
}

TEST(TrafficText, TheSimulatedLineHoldsReceivedThenSent)
{
    const std::pair<std::string_view, std::optional<TrafficCounters>> cases[] = {
        {"1200 340", TrafficCounters{1200, 340}},
        {"1200\t340\r\n", TrafficCounters{1200, 340}},
        {"  0   0  \n", TrafficCounters{0, 0}},
        {"18446744073709551615 7\n", TrafficCounters{kLargest, 7}},
        {"1200", nullopt},
        {"1200 340 5", nullopt},
        {"1200\n340\n", nullopt},
        {"1200 -340", nullopt},
        {"rx tx", nullopt},
        {"", nullopt},
    };
    for (const auto& [text, counters] : cases)
        EXPECT_EQ(parseTrafficLine(text), counters) << text;
}

TEST(InterfaceTraffic, ThePppLineIsCountedOnItsOwnInterface)
{
    FakePppSystem system;
    system.addCalledPppd(4242, "My ISP", "ppp0");
    system.addCalledPppd(77, "work", "ppp1");
    system.addCalledPppd(88, "broken", "ppp2");
    system.setCounters("ppp0", "5000\n", "700\n");
    system.setCounters("ppp1", "18446744073709551615\n", "0\n");
    system.setCounters("ppp2", "5000\n", "lots\n");
    const PppDialUp dialUp(system.roots(), std::make_unique<PidfdSignaller>());

    EXPECT_EQ(dialUp.trafficOf("My ISP"), (TrafficCounters{5000, 700}));
    EXPECT_EQ(dialUp.trafficOf("work"), (TrafficCounters{kLargest, 0}));
    EXPECT_EQ(dialUp.trafficOf("broken"), nullopt);
    EXPECT_EQ(dialUp.trafficOf("provider"), nullopt);

    // The interface made anew: its counters start again, and read so.
    system.setCounters("ppp0", "12\n", "3\n");
    EXPECT_EQ(dialUp.trafficOf("My ISP"), (TrafficCounters{12, 3}));
}

TEST(InterfaceTraffic, OnlyAPlainInterfaceNameIsLookedUp)
{
    FakePppSystem system;
    system.setCounters("ppp0", "10\n", "20\n");
    const auto sys = system.roots().sys;
    const std::pair<std::string_view, std::optional<TrafficCounters>> cases[] = {
        {"ppp0", TrafficCounters{10, 20}},
        {"ppp9", nullopt},
        {"", nullopt},
        {".", nullopt},
        {"..", nullopt},
        {"../net/ppp0", nullopt},
    };
    for (const auto& [name, counters] : cases)
        EXPECT_EQ(readInterfaceTraffic(sys, name), counters) << name;
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

    const std::pair<std::string, std::optional<TrafficCounters>> files[] = {
        {"1000 200\n", TrafficCounters{1000, 200}},
        {"40 5\n", TrafficCounters{40, 5}}, // counters made anew
        {"1000\n", nullopt},
        {"", nullopt},
        {std::string(70 * 1024, ' ') + "1 2\n", nullopt}, // longer than any such file
    };
    for (const auto& [content, counters] : files) {
        write("bytes", content);
        EXPECT_EQ(dialUp.trafficOf("My ISP"), counters) << content.substr(0, 20);
    }

    write("bytes", "1000 200\n");
    EXPECT_EQ(dialUp.trafficOf("provider"), nullopt) << "an entry not up";
    std::filesystem::remove(folder.path() / "bytes");
    std::filesystem::create_directory(folder.path() / "bytes");
    EXPECT_EQ(dialUp.trafficOf("My ISP"), nullopt) << "not a regular file";
}

} // namespace
} // namespace zrt::test
