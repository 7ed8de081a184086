#include "engine/band_lookup.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

TimeOfDay time(std::string_view text)
{
    return parseTimeOfDay(text).value();
}

Band band(DayType tipo, std::string_view inizio, std::string_view fine, double costo = 0)
{
    Band result;
    result.tipo = tipo;
    result.inizio = time(inizio);
    result.fine = time(fine);
    result.costo = costo;
    return result;
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
    const std::tuple<DayType, std::string_view, double> found[] = {
        {DayType::Fer, "07:00:00", 1}, {DayType::Fer, "12:30:00", 2}, // stored order wins
        {DayType::Pre, "08:00:00", 4}, {DayType::Pre, "23:59:59", 4},
    };
    for (const auto& [type, at, costo] : found) {
        const Band* inForce = bandInForce(tariff, type, time(at));
        ASSERT_NE(inForce, nullptr) << at;
        EXPECT_EQ(inForce->costo, costo) << at;
    }
    EXPECT_EQ(bandInForce(tariff, DayType::Fer, time("08:00:00")), nullptr);
    EXPECT_EQ(bandInForce(tariff, DayType::Fer, time("20:00:00")), nullptr);
    EXPECT_EQ(bandInForce(tariff, DayType::Fes, time("12:00:00")), nullptr);
}

TEST(BandLookup, EntryNamesIgnoreLetterCase)
{
    const std::tuple<std::string_view, std::string_view, bool> cases[] = {
        {"CASA", "casa", true},   {"ÈLLA", "èlla", true},     {"ΑΘΗΝΑ", "αθηνα", true},
        {"ΟΔΟΣ", "οδος", true},   // final sigma
        {"МОСКВА", "москва", true}, {"ЁЖИК", "ёжик", true},   {"ŁÓDŹ", "łódź", true},
        {"ſ", "S", true},         {"µ", "Μ", true},           // micro sign and capital mu
        {"", "", true},           {"Casa", "Casa2", false},   {"casa", "cas", false},
        {"Straße", "STRASSE", false},                         // no multi-letter folding
        {"\xff" "CASA", "\xff" "casa", true},                 // not UTF-8: bytes, ASCII case ignored
        {"\xC8", "\xE8", false},  {"\xC0\xAF", "/", false},    // overlong form
    };
    for (const auto& [a, b, same] : cases) {
        EXPECT_EQ(sameEntryName(a, b), same) << a << " / " << b;
        EXPECT_EQ(sameEntryName(b, a), same) << b << " / " << a;
    }
}

} // namespace
} // namespace zrt
