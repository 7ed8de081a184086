#include "engine/pricing.h"
#include "tests/support/local_time.h"
#include "tests/support/rome_time_zone.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

struct BandRow {
    DayType tipo;
    std::string_view inizio;
    std::string_view fine;
    double durata;
    double costo;
    double costoAllaRisposta = 0;
    std::optional<double> secondoCosto = std::nullopt;
};

Tariff tariff(std::string_view tipotariffazione, std::initializer_list<BandRow> rows)
{
    Tariff result{"Telecom Italia", std::string(tipotariffazione), {}};
    for (const BandRow& s : rows)
        result.fasce.push_back({s.tipo, *parseTimeOfDay(s.inizio), *parseTimeOfDay(s.fine), s.durata, s.costo,
                                s.costoAllaRisposta, s.secondoCosto});
    return result;
}

using enum DayType;

// One Lira a second on weekdays, two on Saturdays, three on holidays.
const Tariff kRateByDayType = tariff("Minuto", {{Fer, "00:00", "24:00", 0, 60}, {Pre, "00:00", "24:00", 0, 120},
    {Fes, "00:00", "24:00", 0, 180}});

constexpr std::string_view kWed = "2024-03-13 10:00:00";

// A connection from `start` lasting `elapsed` seconds; pulses < 0 are not checked.
struct PriceCase {
    std::string_view start;
    long long elapsed;
    double costLire;
    long long pulses = -1;
};

void expectPrices(const Tariff& priced, int vat, std::initializer_list<PriceCase> cases)
{
    for (const PriceCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " + " << c.elapsed << " s");
        const auto reading = priceConnection(priced, at(c.start), c.elapsed, vat);
        ASSERT_TRUE(reading);
        EXPECT_NEAR(reading->costLire, c.costLire, 1e-9);
        EXPECT_EQ(reading->elapsedSeconds, std::max(0LL, c.elapsed));
        EXPECT_TRUE(c.pulses < 0 || reading->pulses == c.pulses) << reading->pulses << " pulses";
    }
}

TEST(PulsePricing, CompletedPulsesAtTheBandTheyCompleteInPlusTheAnswerCharge)
{
    const Tariff allDay = tariff("Scatto", {{Fer, "00:00", "24:00", 180, 127, 127}});
    expectPrices(allDay, 20, {
        {kWed, 179, 152.4, 0}, {kWed, 180, 304.8, 1}, {kWed, 360, 457.2, 2},
        {kWed, -30, 152.4, 0}, // negative elapsed time: only the answer
    });

    // 17:30-18:30 is 20 pulses of 180 s, 18:30-19:00 adds 5.29 pulses of 340 s.
    const Tariff weekdayPulses = tariff("Scatto", {{Fer, "00:00", "08:00", 340, 127, 127},
        {Fer, "08:00", "18:30", 180, 127, 127}, {Fer, "18:30", "24:00", 340, 127, 127}});
    expectPrices(weekdayPulses, 20, {{"2024-03-13 17:30:00", 5400, 3962.4, 25}});

    const Tariff twoPrices = tariff("Scatto", {{Fer, "00:00", "09:00", 100, 10, 1},
        {Fer, "09:00", "24:00", 100, 20, 2}});
    expectPrices(twoPrices, 0, {
        {"2024-03-13 08:59:10", 100, 1 + 20, 1}, // half a pulse in each band
        {"2024-03-13 08:58:20", 100, 1 + 10, 1}, // completes right at the boundary
        {"2024-03-13 08:58:20", 200, 1 + 10 + 20, 2},
    });

    // 2/10 + 7/10 + 1/10 adds up to just below 1 in floating point.
    const Tariff slices = tariff("Scatto", {{Fer, "00:00:00", "10:00:02", 10, 1},
        {Fer, "10:00:02", "10:00:09", 10, 1}, {Fer, "10:00:09", "24:00:00", 10, 1}});
    expectPrices(slices, 0, {{kWed, 10, 1, 1}});

    const Tariff freeHour = tariff("Scatto", {{Fer, "00:00", "11:00", 0, 50}, {Fer, "11:00", "24:00", 60, 10}});
    expectPrices(freeHour, 0, {{"2024-03-13 10:59:00", 120, 10, 1}}); // no pulse period, no progress
}

TEST(MinutePricing, SecondPriceOnlyAfterTheThresholdMinuteOfTheConnection)
{
    // 120 Lire a minute with 20% VAT: 2.4 Lire a second from an answer charge of 120.
    const Tariff flat = tariff("Minuto", {{Fer, "00:00", "24:00", 0, 120, 100}});
    expectPrices(flat, 20, {{kWed, 0, 120}, {kWed, 61, 266.4}, {kWed, 3600, 8760}});

    const Tariff threshold = tariff("Minuto", {{Fer, "00:00", "24:00", 3, 60, 0, 30}});
    expectPrices(threshold, 0, {{kWed, 120, 120}, {kWed, 180, 180}, {kWed, 240, 210}});

    const Tariff noSecondPrice = tariff("Minuto", {{Fer, "00:00", "24:00", 3, 60}});
    expectPrices(noSecondPrice, 0, {{kWed, 240, 240}});

    // Two minutes at 60, then a minute at 120 and a minute at 90 in the second band.
    const Tariff twoBands = tariff("Minuto", {{Fer, "00:00", "10:00", 3, 60, 0, 30},
        {Fer, "10:00", "24:00", 3, 120, 0, 90}});
    expectPrices(twoBands, 0, {{"2024-03-13 09:58:00", 240, 120 + 120 + 90}});
}

TEST(MinutePricing, PulsesAreMinutesRoundedHalfToEven)
{
    expectPrices(kRateByDayType, 0, {
        {kWed, 30, 30, 0}, {kWed, 31, 31, 1}, {kWed, 90, 90, 2}, {kWed, 150, 150, 2}, {kWed, 210, 210, 4},
    });
}

TEST(Pricing, DayTypeOfEachDateFromMidnight)
{
    expectPrices(kRateByDayType, 0, {
        {"2024-03-15 23:59:00", 120, 60 + 120},  // Friday into Saturday
        {"2024-03-16 23:59:00", 120, 120 + 180}, // Saturday into Sunday
        {"2024-03-17 23:59:30", 60, 90 + 30},    // Sunday into Monday
        {"2024-12-24 23:59:00", 120, 120 + 180}, // Christmas Eve into Christmas
        {"2024-08-14 23:59:00", 120, 60 + 180},  // weekday into 15 August
        {"2024-03-15 00:00:00", 2 * 86400, 86400 + 2 * 86400},
    });
}

TEST(Pricing, GapsTakeTheBandBeforeThemOrAtTheStartTheBandAfter)
{
    const Tariff gappy = tariff("Minuto", {{Fer, "08:00", "12:00", 0, 60, 10}, {Fer, "12:00", "13:00", 0, 120, 20},
        {Fer, "14:00", "18:00", 0, 180, 30}});
    expectPrices(gappy, 0, {
        {"2024-03-13 11:59:59", 2, 10 + 1 + 2},                // the boundary second is no gap
        {"2024-03-13 12:00:00", 1, 20 + 2},                    // a band starts at its Inizio
        {"2024-03-13 12:59:00", 3720, 20 + 2 * 3660 + 3 * 60}, // 13:00-14:00 at the band before
        {"2024-03-13 13:30:00", 3600, 30 + 3 * 3600},          // starts in the gap: band after
        {"2024-03-13 17:59:00", 120, 30 + 3 * 120},            // evening gap
        {"2024-03-15 19:00:00", 60, 10 + 60},                  // weekend-long gap: Monday's first band
    });
}

TEST(Pricing, NothingWhenNoBandForTheDayTypesMet)
{
    const Tariff saturdaysOnly = tariff("Minuto", {{Pre, "00:00", "24:00", 0, 60, 5}});
    const Tariff emptyBandsOnly = tariff("Scatto", {{Fer, "10:00", "10:00", 180, 127}});
    EXPECT_FALSE(priceConnection(Tariff{}, at(kWed), 60, 20));
    EXPECT_FALSE(priceConnection(saturdaysOnly, at(kWed), 3600, 20));
    EXPECT_FALSE(priceConnection(emptyBandsOnly, at("2024-03-13 09:00:00"), 7200, 20));
    EXPECT_FALSE(priceConnection(saturdaysOnly, at("2024-03-15 23:00:00"), 3600, 0)); // ends at midnight

    // Friday evening into Saturday: the Friday hour is a gap charged at Saturday's band.
    expectPrices(saturdaysOnly, 0, {{"2024-03-15 23:30:00", 3600, 5 + 3600}});
}

// A connection whose wall-clock start was read with `offset`, priced by the
// real hours of Rome, and by a clock that never changes for contrast.
struct ZonedPriceCase {
    std::string_view start;
    int offset;
    long long elapsed;
    double costLire;
    double unchangingClockCostLire;
};

void expectZonedPrices(const Tariff& priced, int vat, std::initializer_list<ZonedPriceCase> cases)
{
    for (const ZonedPriceCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " UTC+" << c.offset / 3600 << " + " << c.elapsed << " s");
        const long long utcStart = secondsSinceEpoch(at(c.start)) - c.offset;
        const auto reading = priceConnection(priced, RomeTimeZone{}, utcStart, c.elapsed, vat);
        ASSERT_TRUE(reading);
        EXPECT_NEAR(reading->costLire, c.costLire, 1e-9);
        EXPECT_NEAR(priceConnection(priced, at(c.start), c.elapsed, vat).value().costLire,
                    c.unchangingClockCostLire, 1e-9);
    }
}

constexpr int kCet = RomeTimeZone::kCet;
constexpr int kCest = RomeTimeZone::kCest;

// In 2024 Rome's clocks went from 02:00 CET to 03:00 CEST on Sunday 31 March
// and from 03:00 CEST back to 02:00 CET on Sunday 27 October.
TEST(ClockChangePricing, EachSecondAtTheBandOfItsRealWallClockTime)
{
    const Tariff holidayChangeAtHalfPastThree = tariff("Scatto", {{Fes, "00:00:00", "03:00:30", 60, 72},
        {Fes, "03:00:30", "24:00:00", 60, 310}});
    expectZonedPrices(holidayChangeAtHalfPastThree, 0, {
        {"2024-10-27 02:59:32", kCest, 60, 72, 310}, // ends 02:00:32 CET, before the later band
        {"2024-03-31 01:59:32", kCet, 60, 310, 72},  // ends 03:00:32 CEST, inside it
    });

    // One Lira a second before 02:30 on holidays, two after.
    const Tariff boundaryInRepeatedHour = tariff("Minuto", {{Fes, "00:00", "02:30", 0, 60},
        {Fes, "02:30", "24:00", 0, 120}});
    expectZonedPrices(boundaryInRepeatedHour, 0, {
        {"2024-10-27 02:20:00", kCest, 4800, 600 + 2 * 1800 + 1800 + 2 * 600, 600 + 2 * 4200},
        {"2024-10-27 02:40:00", kCest, 1800, 2 * 1200 + 600, 2 * 1800},
        {"2024-10-27 02:20:00", kCet, 1200, 600 + 2 * 600, 600 + 2 * 600},
    });
}

TEST(ClockChangePricing, DaysOfTwentyFiveAndTwentyThreeHours)
{
    // On holidays 02:00-03:00 costs 100 Lire a second and the rest 1;
    // Saturdays 3 Lire a second, weekdays 2.
    const Tariff dearHourAfterTwo = tariff("Minuto", {{Fes, "00:00", "02:00", 0, 60},
        {Fes, "02:00", "03:00", 0, 6000}, {Fes, "03:00", "24:00", 0, 60}, {Pre, "00:00", "24:00", 0, 180},
        {Fer, "00:00", "24:00", 0, 120}});
    constexpr double kDearHour = 3600 * 100;
    expectZonedPrices(dearHourAfterTwo, 0, {
        // The 25 hours of 27 October meet the dear hour twice; Monday follows.
        {"2024-10-27 00:00:00", kCest, 25 * 3600, 23 * 3600 + 2 * kDearHour, 23 * 3600 + kDearHour + 2 * 3600},
        {"2024-10-27 00:00:00", kCest, 25 * 3600 + 1, 23 * 3600 + 2 * kDearHour + 2, 23 * 3600 + kDearHour + 2 * 3601},
        // The 23 hours of 31 March never meet it.
        {"2024-03-31 00:00:00", kCet, 23 * 3600, 23 * 3600, 22 * 3600 + kDearHour},
        {"2024-03-31 00:00:00", kCet, 23 * 3600 + 1, 23 * 3600 + 2, 22 * 3600 + kDearHour + 1},
        // From Saturday evening across midnight into the changed night.
        {"2024-10-26 23:30:00", kCest, 4 * 3600, 3 * 1800 + 7200 + 1.5 * kDearHour, 3 * 1800 + 7200 + kDearHour + 1800},
        {"2024-03-30 23:30:00", kCet, 3 * 3600, 3 * 1800 + 7200 + 1800, 3 * 1800 + 7200 + kDearHour / 2},
    });
}

} // namespace
} // namespace zrt::test
