#pragma once

#include <string>
#include <string_view>

namespace zrt {

inline constexpr double kLirePerEuro = 1936.27;

enum class Currency { Lire, Euro };

// amount + amount × rate / 100
double withVat(double amount, int vatRate);

// The meter's cost text: whole Lire ("##,##0"), or Euro ("##,##.###").
std::string meterCostText(double costLire, Currency currency);

// The cost text rewritten when the user switches currency: Lire text to
// Euro with four decimals below 2 Euro and two from 2 up; Euro text back to
// whole Lire. Text that is not a number reads as 0.
std::string costTextSwitchedToEuro(std::string_view lireText);
std::string costTextSwitchedToLire(std::string_view euroText);

} // namespace zrt
