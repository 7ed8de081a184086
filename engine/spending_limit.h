#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zrt {

// The monthly spending limit, in whole Lire with VAT.
inline constexpr std::int64_t kLowestSpendingLimit = 1;
inline constexpr std::int64_t kHighestSpendingLimit = 1'000'000'000'000;

bool isValidSpendingLimit(std::int64_t lire);

// How much of the limit the month has used.
enum class LimitLevel {
    Within,  // below 80 %
    Near,    // 80 % reached
    Reached, // 100 % reached
};

// The months ("YYYY-MM") in which each warning was last given.
struct LimitWarnings {
    std::string near;
    std::string reached;
};

struct LimitCheck {
    LimitLevel level = LimitLevel::Within;
    // The warning to give now, once: only the higher one when both are due.
    std::optional<LimitLevel> due;
};

LimitLevel limitLevel(std::int64_t spentLire, std::int64_t limitLire);

// What the month's spending (closed calls plus the running call) calls for,
// given the warnings already given and the month ("YYYY-MM") it is now.
LimitCheck checkSpendingLimit(std::int64_t spentLire, std::int64_t limitLire, const LimitWarnings& given,
                              const std::string& month);

// The share of the limit used, in percent with one decimal.
double limitUsedPercent(std::int64_t spentLire, std::int64_t limitLire);

} // namespace zrt
