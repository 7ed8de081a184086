#pragma once

// Pure readers of the texts pppd and the kernel leave in /proc, /sys and
// /run: text in, values out, no file access.

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zrt {

// A pppd pid file: the pid on the first line and, in the file of a link
// name, the interface on the second (empty when absent).
struct PidFile {
    pid_t pid = 0;
    std::string interfaceName;
};

// Only a positive pid is accepted: 0 and negative numbers would make
// kill(2) signal whole process groups.
std::optional<pid_t> parsePid(std::string_view text);
std::optional<PidFile> parsePidFile(std::string_view text);

// The arguments of /proc/PID/cmdline, which are NUL-terminated.
std::vector<std::string> splitCommandLine(std::string_view cmdline);

// True when the program run is pppd, whatever folder it was started from.
bool isPppdCommand(const std::vector<std::string>& arguments);

// The peer named by the first "call NAME" option.
std::optional<std::string> calledPeer(const std::vector<std::string>& arguments);

// The value of /sys/class/net/IF/flags, a hexadecimal number.
std::optional<unsigned long> parseInterfaceFlags(std::string_view text);
bool isInterfaceUp(unsigned long flags);

bool isPppInterfaceName(std::string_view name);

// "ppp-NAME.pid", written for pppd's link name NAME.
std::optional<std::string> linkNameOfPidFile(std::string_view fileName);

// "pppN.pid", written for the interface pppN.
std::optional<std::string> interfaceOfPidFile(std::string_view fileName);

// Hidden files and the leftovers of editors and package upgrades in the
// peers folder are not phonebook entries.
bool isPeerFileName(std::string_view fileName);

} // namespace zrt
