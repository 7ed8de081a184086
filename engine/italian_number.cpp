#include "italian_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zrt {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// What a pattern asks for: '0's are digits always written, '#'s digits
// written only when significant.
struct Pattern {
    bool grouped = false;
    bool hasDecimalComma = false;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

Pattern readPattern(std::string_view text)
{
    Pattern pattern;
    const std::size_t point = text.find('.');
    const std::string_view integerPart = text.substr(0, point);
    pattern.grouped = integerPart.find(',') != std::string_view::npos;
    pattern.minIntegerDigits = static_cast<int>(std::count(integerPart.begin(), integerPart.end(), '0'));
    if (point != std::string_view::npos) {
        const std::string_view decimalPart = text.substr(point + 1);
        pattern.hasDecimalComma = true;
        pattern.minDecimals = static_cast<int>(std::count(decimalPart.begin(), decimalPart.end(), '0'));
        const auto optionalDecimals = std::count(decimalPart.begin(), decimalPart.end(), '#');
        pattern.maxDecimals = pattern.minDecimals + static_cast<int>(optionalDecimals);
    }
    return pattern;
}

// A value as decimal digits: integer digits and decimal digits, no sign.
struct DecimalDigits {
    std::string integer;
    std::string decimals;
};

// The value as the user sees it: fifteen significant digits, as the
// platform's own number-to-text conversion gives.
DecimalDigits significantDigits(double magnitude)
{
    constexpr int kSignificantDigits = 15;
    char buffer[32];
    const char* end = std::to_chars(std::begin(buffer), std::end(buffer), magnitude,
                                    std::chars_format::scientific, kSignificantDigits - 1)
                          .ptr;
    const std::string_view text(buffer, end); // "d.dddddddddddddde+XX"
    const std::size_t exponentMark = text.find('e');
    std::string digits;
    digits += text[0];
    digits += text.substr(2, exponentMark - 2);
    const std::string_view exponentText = text.substr(exponentMark + 1);
    int exponent = 0;
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0), end, exponent);

    const int integerLength = exponent + 1;
    if (integerLength <= 0)
        return {"", std::string(static_cast<std::size_t>(-integerLength), '0') + digits};
    if (integerLength >= kSignificantDigits) {
        const auto trailingZeros = static_cast<std::size_t>(integerLength - kSignificantDigits);
        return {digits + std::string(trailingZeros, '0'), ""};
    }
    return {digits.substr(0, static_cast<std::size_t>(integerLength)),
            digits.substr(static_cast<std::size_t>(integerLength))};
}

// Rounds to `decimals` decimal digits, ties away from zero.
void roundToDecimals(DecimalDigits& value, int decimals)
{
    const auto kept = static_cast<std::size_t>(decimals);
    if (value.decimals.size() <= kept)
        return;
    const bool roundUp = value.decimals[kept] >= '5';
    value.decimals.resize(kept);
    if (!roundUp)
        return;
    std::string digits = value.integer + value.decimals;
    auto it = digits.rbegin();
    for (; it != digits.rend() && *it == '9'; ++it)
        *it = '0';
    if (it != digits.rend())
        ++*it;
    else
        digits.insert(digits.begin(), '1');
    const std::size_t integerLength = digits.size() - kept;
    value.integer = digits.substr(0, integerLength);
    value.decimals = digits.substr(integerLength);
}

void shapeToPattern(DecimalDigits& value, const Pattern& pattern)
{
    const std::size_t leadingZeros = value.integer.find_first_not_of('0');
    value.integer.erase(0, std::min(leadingZeros, value.integer.size()));
    const auto minIntegerDigits = static_cast<std::size_t>(pattern.minIntegerDigits);
    if (value.integer.size() < minIntegerDigits)
        value.integer.insert(0, minIntegerDigits - value.integer.size(), '0');

    const auto minDecimals = static_cast<std::size_t>(pattern.minDecimals);
    while (value.decimals.size() > minDecimals && value.decimals.back() == '0')
        value.decimals.pop_back();
    value.decimals.append(minDecimals - std::min(minDecimals, value.decimals.size()), '0');
}

std::string withThousandsDots(const std::string& digits)
{
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += '.';
        text += digits[i];
    }
    return text;
}

bool isZero(const DecimalDigits& value)
{
    const auto zero = [](char c) { return c == '0'; };
    return std::all_of(value.integer.begin(), value.integer.end(), zero)
           && std::all_of(value.decimals.begin(), value.decimals.end(), zero);
}

} // namespace

std::optional<double> parseItalianNumber(std::string_view text)
{
    text = trimmed(text);
    std::string plain;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (text.front() == '-')
            plain += '-';
        text.remove_prefix(1);
    }
    bool seenDigit = false;
    bool seenComma = false;
    for (const char c : text) {
        if (isDigit(c)) {
            plain += c;
            seenDigit = true;
        } else if (c == '.' && seenDigit && !seenComma) {
            continue; // thousands grouping
        } else if (c == ',' && !seenComma) {
            plain += '.';
            seenComma = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::string formatItalian(double value, std::string_view patternText)
{
    if (!std::isfinite(value))
        return {};
    const Pattern pattern = readPattern(patternText);
    DecimalDigits digits = significantDigits(std::fabs(value));
    roundToDecimals(digits, pattern.maxDecimals);
    shapeToPattern(digits, pattern);

    std::string text;
    if (std::signbit(value) && !isZero(digits))
        text += '-';
    text += pattern.grouped ? withThousandsDots(digits.integer) : digits.integer;
    if (pattern.hasDecimalComma)
        text += ',' + digits.decimals;
    return text;
}

} // namespace zrt
