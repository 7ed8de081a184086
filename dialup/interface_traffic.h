#pragma once

#include "dialup_service.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace zrt {

// The counters of a network interface, from
// SYSROOT/class/net/NAME/statistics/rx_bytes and tx_bytes; nullopt when
// either is missing, refused (see readTextFile()) or not one whole number
// within 64 bits (blanks and line ends around it allowed), or when
// the name could lead out of that folder.
std::optional<TrafficCounters> readInterfaceTraffic(const std::filesystem::path& sysRoot,
                                                    std::string_view interfaceName);

// The counters of the simulated dialer's FOLDER/bytes: "RX TX" on one
// line, received then sent, apart by blanks; nullopt when the file is
// missing, refused or holds anything else.
std::optional<TrafficCounters> readTrafficFile(const std::filesystem::path& path);

} // namespace zrt
