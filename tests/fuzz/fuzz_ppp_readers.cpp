// The readers of /proc command lines, /run pid files and /sys interface
// flags: any bytes are read or refused, never a pid that would signal a
// process group.
#include "dialup/ppp_parsing.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto pid = zrt::parsePid(text); pid && *pid <= 0)
        std::abort();
    if (const auto pidFile = zrt::parsePidFile(text); pidFile && pidFile->pid <= 0)
        std::abort();
    const std::vector<std::string> arguments = zrt::splitCommandLine(text);
    if (zrt::isPppdCommand(arguments))
        zrt::calledPeer(arguments);
    if (const auto flags = zrt::parseInterfaceFlags(text))
        zrt::isInterfaceUp(*flags);
    zrt::isPppInterfaceName(text);
    zrt::linkNameOfPidFile(text);
    zrt::interfaceOfPidFile(text);
    return 0;
}
