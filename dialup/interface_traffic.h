#pragma once

#include "dialup_service.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace zrt {

// The counters of a network interface, from
// SYSROOT/class/net/NAME/statistics/rx_bytes and tx_bytes; nullopt when
// either is missing, refused (see readTextFile()) or not a number, or when
// the name could lead out of that folder.
std::optional<TrafficCounters> readInterfaceTraffic(const std::filesystem::path& sysRoot,
                                                    std::string_view interfaceName);

// The counters of the simulated dialer's FOLDER/bytes: "RX TX" on one line.
std::optional<TrafficCounters> readTrafficFile(const std::filesystem::path& path);

// A whole decimal counter: digits only, around them blanks and line ends,
// within 64 bits.
std::optional<std::uint64_t> parseByteCounter(std::string_view text);

// Two counters, received then sent, apart by blanks, on one line.
std::optional<TrafficCounters> parseTrafficLine(std::string_view text);

} // namespace zrt
