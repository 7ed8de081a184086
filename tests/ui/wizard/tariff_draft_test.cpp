#include "ui/wizard/tariff_draft.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

constexpr TimeOfDay kEight{8 * 3600};

Tariff storedTariff(const char* tipotariffazione)
{
    Tariff tariff{"Telecom Italia", tipotariffazione, {}};
    for (const DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes})
        tariff.fasce.push_back({tipo, TimeOfDay{0}, TimeOfDay{kSecondsPerDay}, 15, 30.6, 100, 27.6});
    return tariff;
}

// A stored tariff comes back unchanged through the draft; what does not
// belong to its metering is neither shown nor written.
TEST(TariffDraft, AStoredTariffIsWrittenBackAsItWasExceptWhatItsMeteringHasNoUseFor)
{
    const struct { const char* tipotariffazione; int reductionMinute; std::optional<double> secondoCosto; } cases[] = {
        {"Minuto", 15, 27.6},
        {"Scatto", 0, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tipotariffazione);
        const Tariff stored = storedTariff(c.tipotariffazione);
        const TariffDraft draft = TariffDraft::of(
            {7, 1, QStringLiteral(" Urbana "), QStringLiteral("Telecom Italia"), QLatin1String(c.tipotariffazione)},
            stored);
        EXPECT_EQ(draft.reductionMinute, c.reductionMinute);
        EXPECT_TRUE(draft.problems().empty());

        const EditedTariff edited = draft.edited();
        EXPECT_EQ(edited.compagnia.id, 1);
        EXPECT_EQ(edited.descrizione, QStringLiteral("Urbana"));
        ASSERT_EQ(edited.fasce.size(), 3);
        EXPECT_DOUBLE_EQ(edited.fasce.front().durata, 15);
        EXPECT_EQ(edited.fasce.front().secondoCosto, c.secondoCosto);
    }
}

// The reduction minute is the tariff's: every band of a per-minute tariff
// is written with it.
TEST(TariffDraft, APerMinuteBandTakesTheTariffsReductionMinute)
{
    TariffDraft draft;
    draft.compagnia = {1, QStringLiteral("Telecom Italia"), QStringLiteral("Minuto")};
    draft.reductionMinute = 3;
    draft.bands(DayType::Pre).append({TimeOfDay{0}, kEight, 99, 17.7, 100, std::nullopt});
    draft.bands(DayType::Pre).append(draft.nextBand(DayType::Pre));

    const BandDraft next = draft.bands(DayType::Pre).back();
    EXPECT_EQ(next.inizio, kEight);
    EXPECT_EQ(next.durata, std::nullopt) << "a per-minute band has no pulse length of its own";
    for (const Band& band : draft.edited().fasce)
        EXPECT_DOUBLE_EQ(band.durata, 3);
}

} // namespace
} // namespace zrt::test
