#pragma once

#include "dialup_service.h"

#include <memory>
#include <string>
#include <string_view>

namespace zrt {

inline constexpr std::string_view kDefaultDialUpKind = "auto";

// The service a kind names, or why there is none.
struct DialUpServiceChoice {
    std::unique_ptr<DialUpService> service; // null when the kind is not valid
    std::string error;
};

// Kinds: "auto" (NetworkManager's metered profiles and pppd's peers
// together), "nm" (NetworkManager alone), "ppp" (pppd alone), "sim:FOLDER"
// (a dialer played from files in FOLDER) and "none" (no dial-up at all).
// "auto" and "nm" use the system bus, so a QCoreApplication must exist.
DialUpServiceChoice makeDialUpService(std::string_view kind);

} // namespace zrt
