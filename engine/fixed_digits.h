#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zrt {

// Appends a non-negative value with at least `width` digits, zero-padded.
void appendZeroPadded(std::string& out, long long value, int width);

// The value of a text made only of ASCII digits (at most nine of them);
// nothing for any other text.
std::optional<int> parseFixedDigits(std::string_view digits);

} // namespace zrt
