#include "currency.h"

#include "italian_number.h"

namespace zrt {

double withVat(double amount, int vatRate)
{
    return amount + amount * vatRate / 100;
}

std::string meterCostText(double costLire, Currency currency)
{
    return currency == Currency::Lire ? formatItalian(costLire, pattern::kLire)
                                      : formatItalian(costLire / kLirePerEuro, pattern::kEuroMeter);
}

std::string costTextSwitchedToEuro(std::string_view lireText)
{
    constexpr double kFourDecimalsBelow = 2;
    const double euro = parseItalianNumber(lireText).value_or(0) / kLirePerEuro;
    return formatItalian(euro, euro < kFourDecimalsBelow ? pattern::kEuroSmall : pattern::kEuroLarge);
}

std::string costTextSwitchedToLire(std::string_view euroText)
{
    return formatItalian(parseItalianNumber(euroText).value_or(0) * kLirePerEuro, pattern::kLire);
}

} // namespace zrt
