#pragma once

#include "dialup_service.h"

namespace zrt {

// A machine without dial-up: no entries, never connected.
class NoDialUp final : public DialUpService {
public:
    bool IsDialUpActive() const override { return false; }
    std::vector<std::string> FillDialUpEntries() const override { return {}; }
    bool IsEntryConnected(std::string_view) const override { return false; }
    void HangUpAll() override {}
};

} // namespace zrt
