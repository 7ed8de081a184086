#include "monitor/dialup/ppp_parsing.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zrt {
namespace {

using namespace std::string_view_literals;

TEST(PidFileTest, ReadsPidAndInterface)
{
    struct Case {
        std::string_view text;
        std::optional<pid_t> pid;
        std::string interfaceName;
    };
    const Case cases[] = {
        {"1234\n", 1234, ""},
        {"1234", 1234, ""},
        {"1234\nppp0\n", 1234, "ppp0"},
        {" 1234 \r\nppp1\r\n", 1234, "ppp1"},
        {"", std::nullopt, ""},
        {"abc\n", std::nullopt, ""},
        {"12a\n", std::nullopt, ""},
        {"+12\n", std::nullopt, ""},
        {"0\n", std::nullopt, ""},
        {"-1\n", std::nullopt, ""},
        {"99999999999999999999\n", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        const auto file = parsePidFile(c.text);
        ASSERT_EQ(file.has_value(), c.pid.has_value());
        if (file) {
            EXPECT_EQ(file->pid, *c.pid);
            EXPECT_EQ(file->interfaceName, c.interfaceName);
        }
    }
}

TEST(CommandLineTest, RecognisesPppdAndTheCalledPeer)
{
    struct Case {
        std::string_view cmdline;
        bool pppd;
        std::optional<std::string> peer;
    };
    const Case cases[] = {
        {"/usr/sbin/pppd\0call\0provider\0"sv, true, "provider"},
        {"pppd\0call\0My ISP\0"sv, true, "My ISP"},
        {"pppd\0\0call\0unterminated"sv, true, "unterminated"},
        {"pppd\0nodetach\0call\0first\0call\0second\0"sv, true, "first"},
        {"pppd\0/dev/ttyS0\0" "115200\0"sv, true, std::nullopt},
        {"pppd\0call\0"sv, true, std::nullopt},
        {"pppd\0call\0\0"sv, true, std::nullopt},
        {"/usr/sbin/pppdump\0call\0provider\0"sv, false, "provider"},
        {"/opt/pppd/bin/chat\0"sv, false, std::nullopt},
        {"call\0pppd\0"sv, false, std::nullopt},
        {""sv, false, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto arguments = splitCommandLine(c.cmdline);
        SCOPED_TRACE(arguments.empty() ? std::string() : arguments.front());
        EXPECT_EQ(isPppdCommand(arguments), c.pppd);
        EXPECT_EQ(calledPeer(arguments), c.peer);
    }
}

TEST(InterfaceFlagsTest, UpIsTheLowestBit)
{
    struct Case {
        std::string_view text;
        std::optional<unsigned long> flags;
        bool up;
    };
    const Case cases[] = {
        {"0x1091\n", 0x1091, true},
        {"0x1090\n", 0x1090, false},
        {"1003", 0x1003, true},
        {"0x", std::nullopt, false},
        {"0x10 91", std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        const auto flags = parseInterfaceFlags(c.text);
        EXPECT_EQ(flags, c.flags);
        EXPECT_EQ(flags && isInterfaceUp(*flags), c.up);
    }
}

TEST(PidFileNameTest, TellsLinkNameFilesFromInterfaceFiles)
{
    struct Case {
        std::string_view fileName;
        std::optional<std::string> linkName;
        std::optional<std::string> interfaceName;
    };
    const Case cases[] = {
        {"ppp-work.pid", "work", std::nullopt},
        {"ppp-My ISP.pid", "My ISP", std::nullopt},
        {"ppp0.pid", std::nullopt, "ppp0"},
        {"ppp-.pid", std::nullopt, std::nullopt},
        {"ppp0.pid.old", std::nullopt, std::nullopt},
        {"sshd.pid", std::nullopt, std::nullopt},
        {"ppp0", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.fileName));
        EXPECT_EQ(linkNameOfPidFile(c.fileName), c.linkName);
        EXPECT_EQ(interfaceOfPidFile(c.fileName), c.interfaceName);
    }
}

} // namespace
} // namespace zrt
