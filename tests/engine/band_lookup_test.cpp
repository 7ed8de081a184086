#include "engine/band_lookup.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TimeOfDay time(std::string_view text) { return parseTimeOfDay(text).value(); }

Band band(DayType tipo, std::string_view inizio, std::string_view fine, double costo = 0)
{
    return Band{tipo, time(inizio), time(fine), 0, costo, 0, std::nullopt};
}

TEST(BandLookup, CoversStrictlyInsideItsBounds)
{
    const Band fullRate = band(DayType::Fer, "08:00:00", "18:30:00");
    const std::pair<std::string_view, bool> cases[] = {
        {"07:59:59", false}, {"08:00:00", false}, {"08:00:01", true},
        {"18:29:59", true},  {"18:30:00", false}, {"23:00:00", false},
    };
    for (const auto& [at, covered] : cases)
        EXPECT_EQ(bandCovers(fullRate, time(at)), covered) << at;
}

TEST(BandLookup, FindsTheFirstBandOfTheDayType)
{
    Tariff tariff;
    tariff.fasce = {
        band(DayType::Fer, "00:00:00", "08:00:00", 1), band(DayType::Fer, "08:00:00", "18:30:00", 2),
        band(DayType::Fer, "12:00:00", "13:00:00", 3), band(DayType::Pre, "00:00:00", "24:00:00", 4),
    };
    const std::tuple<DayType, std::string_view, double> found[] = { // 0: none in force
        {DayType::Fer, "07:00:00", 1}, {DayType::Fer, "12:30:00", 2}, // stored order wins
        {DayType::Pre, "08:00:00", 4}, {DayType::Pre, "23:59:59", 4}, {DayType::Fer, "08:00:00", 0},
        {DayType::Fer, "20:00:00", 0}, {DayType::Fes, "12:00:00", 0},
    };
    for (const auto& [type, at, costo] : found) {
        const Band* inForce = bandInForce(tariff, type, time(at));
        EXPECT_EQ(inForce ? inForce->costo : 0, costo) << at;
    }
}

TEST(BandLookup, EntryNamesIgnoreLetterCase)
{
    const std::tuple<std::string_view, std::string_view, bool> cases[] = {
        {"CASA", "casa", true},     {"ÈLLA", "èlla", true}, {"ΟΔΟΣ", "οδος", true}, // final sigma
        {"МОСКВА", "москва", true}, {"ЁЖИК", "ёжик", true}, {"ŁÓDŹ", "łódź", true},
        {"ſ", "S", true},           {"µ", "Μ", true},       // micro sign and capital mu
        {"", "", true},             {"casa", "cas", false}, {"Straße", "STRASSE", false}, // no multi-letter folding
        {"\xff" "CASA", "\xff" "casa", true},                 // not UTF-8: bytes, ASCII case ignored
        {"\xC8", "\xE8", false},  {"\xC0\xAF", "/", false},    // overlong form
    };
    for (const auto& [a, b, same] : cases) {
        EXPECT_EQ(sameEntryName(a, b), same) << a << " / " << b;
        EXPECT_EQ(sameEntryName(b, a), same) << b << " / " << a;
    }
}

} // namespace
} // namespace zrt::test
