#include "monitor/dialup/ppp_parsing.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace zrt {
namespace {

using namespace std::string_view_literals;
using std::nullopt;

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

TEST(InterfaceFlagsTest, UpIsTheLowestBit)
{
    const std::tuple<std::string_view, std::optional<unsigned long>, bool> cases[] = {
        {"0x1091\n", 0x1091, true}, {"0x1090\n", 0x1090, false}, {"1003", 0x1003, true},
        {"0x", nullopt, false},     {"0x10 91", nullopt, false},
    };
    for (const auto& [text, expected, up] : cases) {
        const auto flags = parseInterfaceFlags(text);
        EXPECT_EQ(flags, expected) << text;
        EXPECT_EQ(flags && isInterfaceUp(*flags), up) << text;
    }
}

TEST(PidFileNameTest, TellsLinkNameFilesFromInterfaceFiles)
{
    const std::tuple<std::string_view, std::optional<std::string>, std::optional<std::string>> cases[] = {
        {"ppp-work.pid", "work", nullopt}, {"ppp0.pid", nullopt, "ppp0"},    {"ppp-.pid", nullopt, nullopt},
        {"ppp0.pid.old", nullopt, nullopt}, {"sshd.pid", nullopt, nullopt},
    };
    for (const auto& [fileName, linkName, interfaceName] : cases) {
        EXPECT_EQ(linkNameOfPidFile(fileName), linkName) << fileName;
        EXPECT_EQ(interfaceOfPidFile(fileName), interfaceName) << fileName;
    }
}

} // namespace
} // namespace zrt
