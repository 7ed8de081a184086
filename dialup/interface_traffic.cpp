#include "interface_traffic.h"

#include "text_file.h"

#include <charconv>

namespace zrt {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool isPlainName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos
        && name.find('\0') == std::string_view::npos;
}

std::optional<std::uint64_t> parseByteCounter(std::string_view text)
{
    text = trimmed(text);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<TrafficCounters> parseTrafficLine(std::string_view text)
{
    text = trimmed(text);
    const auto gap = text.find_first_of(" \t");
    if (gap == std::string_view::npos)
        return std::nullopt;
    const auto received = parseByteCounter(text.substr(0, gap));
    const auto sent = parseByteCounter(text.substr(gap));
    if (!received || !sent)
        return std::nullopt;
    return TrafficCounters{*received, *sent};
}

std::optional<std::uint64_t> readCounter(const std::filesystem::path& path)
{
    const std::optional<std::string> text = readTextFile(path, kSystemFileLimit);
    return text ? parseByteCounter(*text) : std::nullopt;
}

} // namespace

std::optional<TrafficCounters> readInterfaceTraffic(const std::filesystem::path& sysRoot,
                                                    std::string_view interfaceName)
{
    if (!isPlainName(interfaceName))
        return std::nullopt;
    const auto statistics = sysRoot / "class" / "net" / std::string(interfaceName) / "statistics";
    const auto received = readCounter(statistics / "rx_bytes");
    const auto sent = readCounter(statistics / "tx_bytes");
    if (!received || !sent)
        return std::nullopt;
    return TrafficCounters{*received, *sent};
}

std::optional<TrafficCounters> readTrafficFile(const std::filesystem::path& path)
{
    const std::optional<std::string> text = readTextFile(path, kSystemFileLimit);
    return text ? parseTrafficLine(*text) : std::nullopt;
}

} // namespace zrt
