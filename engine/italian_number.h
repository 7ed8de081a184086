#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zrt {

// The display patterns of the program.
namespace pattern {
inline constexpr std::string_view kLire = "##,##0";         // whole Lire: "1.235", "0"
inline constexpr std::string_view kEuroMeter = "##,##.###"; // ",079", "12,"
inline constexpr std::string_view kEuroLarge = "##,##0.##";
inline constexpr std::string_view kEuroSmall = "##,##0.####";
inline constexpr std::string_view kGrouped = "##,##";       // "1.234.567"
} // namespace pattern

// Italian number text: "." groups thousands, "," separates decimals
// ("1.234,5", "0,5", ",079", "-3"). The dots are not checked to fall
// every three digits, but text cannot begin with one (".5"). Surrounding
// blanks are allowed; empty, non-numeric or out-of-range text gives nothing.
std::optional<double> parseItalianNumber(std::string_view text);

// Formats with a pattern: '#' optional digit, '0' required digit, ',' asks
// for thousands grouping, '.' marks the decimal position. Output uses "." for
// grouping and "," for decimals; extra digits are rounded with ties away
// from zero on the value's 15 significant digits, so 2.675 rounds to 2,68;
// the decimal comma is written whenever the pattern has one. A value that
// rounds to zero has no sign; infinity and NaN give an empty text.
std::string formatItalian(double value, std::string_view pattern);

} // namespace zrt
