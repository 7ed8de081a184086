#pragma once

#include "dialup_service.h"

#include <optional>
#include <string>
#include <utility>

namespace zrt {

// The hang-up refusals not yet handed to the caller, one line each.
class HangUpRefusals {
public:
    void add(std::string_view reason)
    {
        if (!pending_.empty())
            pending_ += '\n';
        pending_ += hangUpRefusedMessage(reason);
    }

    std::optional<std::string> take()
    {
        if (pending_.empty())
            return std::nullopt;
        return std::exchange(pending_, {});
    }

private:
    std::string pending_;
};

} // namespace zrt
