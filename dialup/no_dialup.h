#pragma once

#include "dialup_service.h"

namespace zrt {

// A machine without dial-up: no entries, never connected, nothing to watch.
class NoDialUp final : public DialUpService {
public:
    bool isDialUpActive() const override { return false; }
    std::vector<std::string> entries() const override { return {}; }
    bool isEntryConnected(std::string_view) const override { return false; }
    std::vector<std::string> connectedEntries(const std::vector<std::string>&) const override { return {}; }
    void hangUpAll() override {}
    bool watchesEvents() const override { return true; }
};

} // namespace zrt
