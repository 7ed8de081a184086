#include "engine/band_lookup.h"
#include "engine/pricing.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zrt;

Band band(DayType tipo, std::string_view inizio, std::string_view fine, double durata, double costo,
          std::optional<double> secondoCosto = std::nullopt)
{
    constexpr double kAnswerCharge = 127;
    return {tipo, parseTimeOfDay(inizio).value(), parseTimeOfDay(fine).value(),
            durata, costo, kAnswerCharge, secondoCosto};
}

// Full and reduced rate on weekdays, a shorter full rate on Saturdays,
// reduced rate all day on holidays.
Tariff realisticTariff(std::string_view tipotariffazione, double fullDurata, double reducedDurata)
{
    const bool perMinute = meteringOf(tipotariffazione) == Metering::Minute;
    const std::optional<double> second = perMinute ? std::optional(95.0) : std::nullopt;
    return {"Telecom Italia", std::string(tipotariffazione), {
        band(DayType::Fer, "00:00:00", "08:00:00", reducedDurata, 127, second),
        band(DayType::Fer, "08:00:00", "18:30:00", fullDurata, 127, second),
        band(DayType::Fer, "18:30:00", "22:00:00", reducedDurata, 127, second),
        band(DayType::Fer, "22:00:00", "24:00:00", reducedDurata, 110, second),
        band(DayType::Pre, "00:00:00", "08:00:00", reducedDurata, 127, second),
        band(DayType::Pre, "08:00:00", "13:00:00", fullDurata, 127, second),
        band(DayType::Pre, "13:00:00", "24:00:00", reducedDurata, 127, second),
        band(DayType::Fes, "00:00:00", "24:00:00", reducedDurata, 127, second),
    }};
}

// From Friday noon to Saturday noon: every band of both days.
void priceDay(benchmark::State& state, const Tariff& tariff)
{
    const LocalDateTime start = parseLocalDateTime("2024-03-15 12:00:00").value();
    for (auto _ : state)
        benchmark::DoNotOptimize(priceConnection(tariff, start, 24 * 3600, 20));
}

void BM_PriceDayPulse(benchmark::State& state)
{
    priceDay(state, realisticTariff(kPulseMetering, 180, 340));
}
BENCHMARK(BM_PriceDayPulse);

void BM_PriceDayMinute(benchmark::State& state)
{
    priceDay(state, realisticTariff(kMinuteMetering, 3, 3));
}
BENCHMARK(BM_PriceDayMinute);

void BM_BandInForce(benchmark::State& state)
{
    const Tariff tariff = realisticTariff(kPulseMetering, 180, 340);
    const TimeOfDay evening = parseTimeOfDay("23:15:00").value();
    for (auto _ : state)
        benchmark::DoNotOptimize(bandInForce(tariff, DayType::Fes, evening));
}
BENCHMARK(BM_BandInForce);

void BM_SameEntryName(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sameEntryName("Connessione ΑΘΗΝΑ È", "CONNESSIONE αθηνα è"));
}
BENCHMARK(BM_SameEntryName);

} // namespace
