#include "engine/tariff_check.h"
#include "engine/value_bounds.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

namespace zrt::test {
namespace {

using enum DayType;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct CheckedBand {
    DayType tipo;
    std::string_view inizio;
    std::string_view fine;
    double durata = 0;
    double costo = 127;
    double costoAllaRisposta = 127;
    std::optional<double> secondoCosto = std::nullopt;
};

Band band(const CheckedBand& r)
{
    return {r.tipo, *parseTimeOfDay(r.inizio), *parseTimeOfDay(r.fine), r.durata, r.costo, r.costoAllaRisposta,
            r.secondoCosto};
}

Tariff checkedTariff(std::string_view tipotariffazione, std::initializer_list<CheckedBand> rows)
{
    Tariff result{"Telecom Italia", std::string(tipotariffazione), {}};
    for (const CheckedBand& row : rows)
        result.fasce.push_back(band(row));
    return result;
}

// The given FER bands, then sound whole days of PRE and FES.
Tariff weekdays(std::string_view tipotariffazione, std::initializer_list<CheckedBand> ferRows)
{
    Tariff result = checkedTariff(tipotariffazione, ferRows);
    const double durata = result.metering() == Metering::Pulse ? 340 : 0;
    for (const DayType tipo : {Pre, Fes})
        result.fasce.push_back(band({tipo, "00:00", "24:00", durata}));
    return result;
}

// "Price FER 08:00:00-18:30:00 -1"; NaN reads "nan", so it compares.
std::vector<std::string> described(const std::vector<TariffProblem>& problems)
{
    static constexpr std::string_view kKinds[] = {"Backwards", "Gap", "Overlap", "Missing", "PulseLength",
        "ReductionMinute", "Price", "AnswerCharge", "SecondPrice"};
    std::vector<std::string> lines;
    for (const TariffProblem& p : problems) {
        char value[32] = "";
        if (p.value)
            std::snprintf(value, sizeof value, " %.10g", *p.value);
        lines.push_back(std::string(kKinds[static_cast<int>(p.kind)]) + ' ' + std::string(dayTypeCode(p.dayType))
                        + ' ' + formatTimeOfDay(p.from) + '-' + formatTimeOfDay(p.to) + value);
    }
    return lines;
}

using Expected = std::vector<std::string>;

TEST(ValueBounds, AdmitFiniteNumbersWithinTheTableOnly)
{
    using enum StoredNumber;
    const std::tuple<StoredNumber, double, bool> cases[] = {
        {PulseLength, 1, true},     {PulseLength, 62.5, true},   {PulseLength, 86400, true},
        {PulseLength, 86400.5, false}, {ReductionMinute, 1440, true}, {Price, 10'000'000, true},
        {Price, -0.01, false},      {SecondPrice, -kInf, false}, {VatRate, 0, true},
        {VatRate, 100, true},       {VatRate, 20.5, false},      {VatRate, 101, false},
        {VatRate, kNaN, false},
    };
    for (const auto& [meaning, value, admitted] : cases)
        EXPECT_EQ(isWithinBounds(meaning, value), admitted) << static_cast<int>(meaning) << ' ' << value;
}

TEST(ValueBounds, ABandIsUsableOnlyWithEveryNumberWithinBounds)
{
    const std::tuple<Metering, CheckedBand, bool> cases[] = {
        {Metering::Pulse, {Fer, "08:00", "18:30", 180}, true},
        {Metering::Pulse, {Fer, "08:00", "18:30", 0}, false}, // every call would cost the answer charge only
        {Metering::Minute, {Fer, "08:00", "18:30", 0}, true}, // no reduction
        {Metering::Minute, {Fer, "08:00", "18:30", 3, 127, 127, 80}, true},
        {Metering::Minute, {Fer, "08:00", "18:30", 3, 127, 127, kInf}, false},
        {Metering::Minute, {Fer, "08:00", "18:30", 0, 127, -1}, false},
    };
    for (const auto& [metering, row, usable] : cases)
        EXPECT_EQ(isUsable(band(row), metering), usable) << row.durata << ' ' << row.costoAllaRisposta;
}

TEST(TariffCheck, FindsEveryProblemInOrder)
{
    const std::tuple<std::string_view, Tariff, Expected> cases[] = {
        {"sound per minute", weekdays("Minuto", {{Fer, "00:00", "08:00", 3, 127, 0, 80},
             {Fer, "08:00", "18:30", 3, 200, 0, 150}, {Fer, "18:30", "24:00:00", 3, 127, 0, 80}}), {}},
        {"sound pulse", weekdays("Scatto", {{Fer, "00:00", "08:00", 340}, {Fer, "08:00", "24:00", 180}}), {}},
        {"gaps", weekdays("Scatto", {{Fer, "06:00", "08:00", 340}, {Fer, "10:00", "18:30", 180},
             {Fer, "10:00", "12:00", 180}}),
         {"Gap FER 00:00:00-06:00:00", "Gap FER 08:00:00-10:00:00", "Overlap FER 10:00:00-12:00:00",
          "Gap FER 18:30:00-24:00:00"}},
        {"overlaps", weekdays("Scatto", {{Fer, "00:00", "24:00", 340}, {Fer, "08:00", "12:00", 180},
             {Fer, "10:00", "14:00", 180}, {Fer, "20:00", "21:00", 180}}),
         {"Overlap FER 08:00:00-14:00:00", "Overlap FER 20:00:00-21:00:00"}},
        {"bands covering nothing", weekdays("Scatto", {{Fer, "00:00", "24:00", 340}, {Fer, "13:00", "10:00", 180},
             {Fer, "24:00", "24:00", 340}}),
         {"Backwards FER 13:00:00-10:00:00", "Backwards FER 24:00:00-24:00:00"}},
        {"a backwards band leaves its hours uncovered", weekdays("Scatto", {{Fer, "00:00", "10:00", 340},
             {Fer, "13:00", "10:00", 180}, {Fer, "13:00", "24:00", 340}}),
         {"Gap FER 10:00:00-13:00:00", "Backwards FER 13:00:00-10:00:00"}},
        {"day type without a band", checkedTariff("Scatto", {{Fer, "00:00", "24:00", 340}, {Fes, "00:00", "24:00", 340}}),
         {"Missing PRE 00:00:00-24:00:00"}},
        {"pulse length", weekdays("Scatto", {{Fer, "00:00", "08:00", 0}, {Fer, "08:00", "16:00", 0.5},
             {Fer, "16:00", "24:00", 1e-300}}),
         {"PulseLength FER 00:00:00-08:00:00 0", "PulseLength FER 08:00:00-16:00:00 0.5",
          "PulseLength FER 16:00:00-24:00:00 1e-300"}},
        {"reduction minute", weekdays("Minuto", {{Fer, "00:00", "08:00", 2.5}, {Fer, "08:00", "16:00", -1},
             {Fer, "16:00", "24:00", 1441}}),
         {"ReductionMinute FER 00:00:00-08:00:00 2.5", "ReductionMinute FER 08:00:00-16:00:00 -1",
          "ReductionMinute FER 16:00:00-24:00:00 1441"}},
        {"prices", weekdays("Minuto", {{Fer, "00:00", "04:00", 0, -1}, {Fer, "04:00", "08:00", 0, kNaN},
             {Fer, "08:00", "12:00", 0, 127, kInf}, {Fer, "12:00", "16:00", 0, 1.6e308},
             {Fer, "16:00", "24:00", 0, 127, 10'000'001}}),
         {"Price FER 00:00:00-04:00:00 -1", "Price FER 04:00:00-08:00:00 nan", "AnswerCharge FER 08:00:00-12:00:00 inf",
          "Price FER 12:00:00-16:00:00 1.6e+308", "AnswerCharge FER 16:00:00-24:00:00 10000001"}},
        {"second price", weekdays("Minuto", {{Fer, "00:00", "08:00", 3, 127, 0, -80},
             {Fer, "08:00", "24:00", 3, 127, 0, 1e9}}),
         {"SecondPrice FER 00:00:00-08:00:00 -80", "SecondPrice FER 08:00:00-24:00:00 1000000000"}},
        {"several problems", checkedTariff("Scatto", {{Fes, "00:00", "24:00", 340, -5}, {Fer, "12:00", "24:00", 180},
             {Fer, "18:00", "08:00", 0, kNaN, -1}, {Fer, "00:00", "13:00", 340}, {Fer, "00:00", "06:00", 340}}),
         {"Overlap FER 00:00:00-06:00:00", "Overlap FER 12:00:00-13:00:00", "Backwards FER 18:00:00-08:00:00",
          "PulseLength FER 18:00:00-08:00:00 0", "Price FER 18:00:00-08:00:00 nan",
          "AnswerCharge FER 18:00:00-08:00:00 -1", "Missing PRE 00:00:00-24:00:00", "Price FES 00:00:00-24:00:00 -5"}},
    };
    for (const auto& [name, checked, problems] : cases)
        EXPECT_EQ(described(checkTariff(checked)), problems) << name;
}

TEST(TariffCheck, ABandOnItsOwnGetsItsOwnProblemsOnly)
{
    EXPECT_EQ(described(checkBand(band({Pre, "08:00", "10:00", 180}), Metering::Pulse)), Expected{});
    EXPECT_EQ(described(checkBand(band({Pre, "13:00", "10:00", 1441, -1, 127, kInf}), Metering::Minute)),
              (Expected{"Backwards PRE 13:00:00-10:00:00", "ReductionMinute PRE 13:00:00-10:00:00 1441",
                        "Price PRE 13:00:00-10:00:00 -1", "SecondPrice PRE 13:00:00-10:00:00 inf"}));
}

} // namespace
} // namespace zrt::test
