#include "ppp_parsing.h"

#include <net/if.h>

#include <array>
#include <charconv>

namespace zrt {

namespace {

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The line that starts at `from`, without its newline.
std::string_view lineAt(std::string_view text, std::size_t from)
{
    if (from >= text.size())
        return {};
    const auto rest = text.substr(from);
    return rest.substr(0, rest.find('\n'));
}

template <typename Number>
std::optional<Number> parseWhole(std::string_view digits, int base)
{
    Number value{};
    const auto* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<pid_t> parsePid(std::string_view text)
{
    const auto pid = parseWhole<pid_t>(trimmed(text), 10);
    if (!pid || *pid <= 0)
        return std::nullopt;
    return pid;
}

std::optional<PidFile> parsePidFile(std::string_view text)
{
    const auto firstLine = lineAt(text, 0);
    const auto pid = parsePid(firstLine);
    if (!pid)
        return std::nullopt;
    const auto secondLine = lineAt(text, firstLine.size() + 1);
    return PidFile{*pid, std::string(trimmed(secondLine))};
}

std::vector<std::string> splitCommandLine(std::string_view cmdline)
{
    std::vector<std::string> arguments;
    while (!cmdline.empty()) {
        const auto end = cmdline.find('\0');
        arguments.emplace_back(cmdline.substr(0, end));
        if (end == std::string_view::npos)
            break;
        cmdline.remove_prefix(end + 1);
    }
    return arguments;
}

bool isPppdCommand(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return false;
    const std::string_view program = arguments.front();
    const auto slash = program.rfind('/');
    const auto baseName = slash == std::string_view::npos ? program : program.substr(slash + 1);
    return baseName == "pppd";
}

std::optional<std::string> calledPeer(const std::vector<std::string>& arguments)
{
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "call")
            return arguments[i + 1].empty() ? std::nullopt : std::optional(arguments[i + 1]);
    }
    return std::nullopt;
}

std::optional<unsigned long> parseInterfaceFlags(std::string_view text)
{
    auto digits = trimmed(text);
    if (digits.starts_with("0x") || digits.starts_with("0X"))
        digits.remove_prefix(2);
    return parseWhole<unsigned long>(digits, 16);
}

bool isInterfaceUp(unsigned long flags)
{
    return (flags & IFF_UP) != 0;
}

bool isPppInterfaceName(std::string_view name)
{
    return name.starts_with("ppp");
}

std::optional<std::string> linkNameOfPidFile(std::string_view fileName)
{
    constexpr std::string_view prefix = "ppp-";
    constexpr std::string_view suffix = ".pid";
    if (fileName.size() <= prefix.size() + suffix.size() || !fileName.starts_with(prefix)
        || !fileName.ends_with(suffix))
        return std::nullopt;
    fileName.remove_prefix(prefix.size());
    fileName.remove_suffix(suffix.size());
    return std::string(fileName);
}

std::optional<std::string> interfaceOfPidFile(std::string_view fileName)
{
    constexpr std::string_view suffix = ".pid";
    if (!fileName.ends_with(suffix))
        return std::nullopt;
    fileName.remove_suffix(suffix.size());
    if (!isPppInterfaceName(fileName) || fileName.starts_with("ppp-"))
        return std::nullopt;
    return std::string(fileName);
}

bool isPeerFileName(std::string_view fileName)
{
    constexpr std::array<std::string_view, 4> backupEndings = {"~", ".bak", ".orig", ".swp"};
    if (fileName.empty() || fileName.starts_with('.'))
        return false;
    if (fileName.find(".dpkg-") != std::string_view::npos)
        return false;
    for (const auto ending : backupEndings) {
        if (fileName.ends_with(ending))
            return false;
    }
    return true;
}

} // namespace zrt
