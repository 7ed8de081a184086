#include "engine/currency.h"
#include "engine/italian_number.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TEST(ItalianNumber, ParsesGroupedAndDecimalTextOnly)
{
    const std::pair<std::string_view, double> cases[] = {
        {"1.234,5", 1234.5}, {"0,5", 0.5},   {",079", 0.079}, {"-3", -3},  {"  12\t", 12},
        {"1.234.567", 1234567}, {"12,", 12}, {"+7", 7},       {"-0,25", -0.25},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(parseItalianNumber(text).value_or(NAN), value) << text;
    for (const std::string_view bad : {"", "   ", "abc", "1,2,3", "inf", "nan", "-", ",", "1e5",
                                       "1,2.3", ".5", "12a", "0x10", "1 2", "--1"})
        EXPECT_FALSE(parseItalianNumber(bad)) << bad;
}

TEST(ItalianNumber, FormatsWithThePatterns)
{
    const std::tuple<double, std::string_view, std::string_view> cases[] = {
        {152.4, pattern::kLire, "152"},     {152.5, pattern::kLire, "153"}, // ties away from zero
        {-1234.5, pattern::kLire, "-1.235"}, {-0.4, pattern::kLire, "0"}, // no "-0"
        {1e20, pattern::kLire, "100.000.000.000.000.000.000"},
        {0.5, pattern::kEuroMeter, ",5"},   {1234.56789, pattern::kEuroMeter, "1.234,568"},
        {12, pattern::kEuroMeter, "12,"},   {999.9995, pattern::kEuroMeter, "1.000,"},
        {-0.0001, pattern::kEuroMeter, ","},
        {2.675, pattern::kEuroLarge, "2,68"}, // rounded as the decimal shown, not the binary value
        {1.005, pattern::kEuroLarge, "1,01"}, {0.9999, pattern::kEuroLarge, "1,"},
        {1.99972, pattern::kEuroSmall, "1,9997"}, {0.0000123, pattern::kEuroSmall, "0,"},
        {1234567, pattern::kGrouped, "1.234.567"},
        {std::numeric_limits<double>::infinity(), pattern::kLire, ""}, // no text for what is not finite
        {std::nan(""), pattern::kEuroMeter, ""},
    };
    for (const auto& [value, format, text] : cases)
        EXPECT_EQ(formatItalian(value, format), text) << value << " with " << format;
}

TEST(Currency, MeterTextInLireAndEuro)
{
    const std::tuple<double, Currency, std::string_view> cases[] = {
        {3962.4, Currency::Lire, "3.962"}, {152.4, Currency::Euro, ",079"},
        {3962.4, Currency::Euro, "2,046"}, {0, Currency::Euro, ","},
    };
    for (const auto& [lire, currency, text] : cases)
        EXPECT_EQ(meterCostText(lire, currency), text) << lire;
}

TEST(Currency, SwitchingRewritesTheCostText)
{
    const std::pair<std::string_view, std::string_view> toEuro[] = {
        {"0", "0,"},   {"3873", "2,"},   {"3.872", "1,9997"}, {"152", "0,0785"},
        {"19.363", "10,"}, {"abc", "0,"},
    };
    for (const auto& [lire, euro] : toEuro)
        EXPECT_EQ(costTextSwitchedToEuro(lire), euro) << lire;

    const std::pair<std::string_view, std::string_view> toLire[] = {
        {"0,", "0"}, {"2,", "3.873"}, {"1,9997", "3.872"}, {",079", "153"}, {"", "0"},
    };
    for (const auto& [euro, lire] : toLire)
        EXPECT_EQ(costTextSwitchedToLire(euro), lire) << euro;

    // There and back may move the last Lira.
    EXPECT_EQ(costTextSwitchedToLire(costTextSwitchedToEuro("3.874")), "3.873");
}

} // namespace
} // namespace zrt::test
