#include "scratch_database.h"

#include "database/band_settings.h"
#include "database/tariff_store.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

QList<double> durations(const TariffStore& store, int idTariffa)
{
    QList<double> result;
    for (DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes}) {
        for (const Fascia& fascia : store.bands(idTariffa, tipo))
            result.append(fascia.band.durata);
    }
    return result;
}

// The shipped file holds tariff 1, per minute, and tariff 2, in pulses.
TEST(BandSettings, ReductionMinuteReachesEveryBandOfThePerMinuteTariffOnly)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    TariffStore store(database);
    BandSettings settings(database);
    const QList<double> pulsePeriods = durations(store, 2);

    EXPECT_EQ(settings.setReductionMinute(1, 3), 7);
    EXPECT_EQ(durations(store, 1), QList<double>(7, 3.0)) << "all three day types";
    EXPECT_EQ(settings.setReductionMinute(2, 0), 0);
    EXPECT_EQ(settings.setReductionMinute(99, 5), 0);
    EXPECT_EQ(durations(store, 2), pulsePeriods) << "a pulse tariff keeps its pulse periods";
}

} // namespace
} // namespace zrt
