#pragma once

#include "dialup_service.h"

#include <memory>
#include <string>
#include <string_view>

namespace zrt {

inline constexpr std::string_view kDefaultDialUpKind = "ppp";

// The service a kind names, or why there is none.
struct DialUpServiceChoice {
    std::unique_ptr<DialUpService> service; // null when the kind is not valid
    std::string error;
};

// Kinds: "ppp" (pppd, the real dialer), "sim:FOLDER" (a dialer played
// from files in FOLDER) and "none" (no dial-up at all).
DialUpServiceChoice makeDialUpService(std::string_view kind);

} // namespace zrt
