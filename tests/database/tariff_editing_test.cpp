#include "scratch_database.h"

#include "database/database_error.h"
#include "database/tariff_editing.h"
#include "database/tariff_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace zrt {
namespace {

TimeOfDay at(const char* text)
{
    return *parseTimeOfDay(text);
}

Band band(DayType tipo, const char* inizio, const char* fine, double durata)
{
    Band result;
    result.tipo = tipo;
    result.inizio = at(inizio);
    result.fine = at(fine);
    result.durata = durata;
    result.costo = 127;
    result.costoAllaRisposta = 127;
    return result;
}

// A fresh tariff of the shipped pulse company (2), alongside the shipped ones.
class TariffEditingTest : public ::testing::Test {
protected:
    test::ScratchDatabase scratch_;
    Database database_ = scratch_.open();
    TariffStore store_{database_};
    TariffEditing editing_{database_};
    int tariff_ = store_.addTariff(2, QStringLiteral("Nuova"));
};

TEST_F(TariffEditingTest, MovingATariffMovesAllItsBandsAndNoOthers)
{
    store_.addBand(2, tariff_, band(DayType::Fer, "00:00", "24:00", 180));
    store_.addBand(2, tariff_, band(DayType::Fes, "00:00", "24:00", 340));

    editing_.updateTariff(tariff_, 1, QStringLiteral("Rinominata"));

    const TariffaInfo moved = store_.tariffs().back();
    EXPECT_EQ(moved.idCompagnia, 1);
    EXPECT_EQ(moved.descrizione, QStringLiteral("Rinominata"));
    for (const DayType tipo : {DayType::Fer, DayType::Fes}) {
        for (const Fascia& fascia : store_.bands(tariff_, tipo))
            EXPECT_EQ(fascia.idCompagnia, 1);
    }
    for (const Fascia& shipped : store_.bands(2, DayType::Fer))
        EXPECT_EQ(shipped.idCompagnia, 2) << "another tariff's bands stay where they are";
}

TEST_F(TariffEditingTest, MovingAMissingTariffIsAnErrorAndChangesNothing)
{
    EXPECT_THROW(editing_.updateTariff(999, 1, QStringLiteral("x")), DatabaseError);
    EXPECT_EQ(store_.tariffs().size(), 3);
}

struct NextBandCase {
    const char* name;
    std::vector<Band> existing;
    DayType tipo;
    const char* expectedInizio;
    double expectedDurata;
};

class NextBandTest : public TariffEditingTest, public ::testing::WithParamInterface<NextBandCase> {};

TEST_P(NextBandTest, StartsWhereTheDayTypeEndsOnTheTariffsCompany)
{
    for (const Band& existing : GetParam().existing)
        store_.addBand(1, tariff_, existing); // a stale company key must not spread

    const Fascia added = editing_.addNextBand(tariff_, GetParam().tipo);

    EXPECT_EQ(added.idCompagnia, 2);
    EXPECT_EQ(added.band.inizio, at(GetParam().expectedInizio));
    EXPECT_EQ(added.band.fine, at("24:00"));
    EXPECT_DOUBLE_EQ(added.band.durata, GetParam().expectedDurata);
    const QList<Fascia> stored = store_.bands(tariff_, GetParam().tipo);
    const auto found = std::find_if(stored.begin(), stored.end(), [&](const Fascia& f) { return f.id == added.id; });
    ASSERT_NE(found, stored.end());
    EXPECT_EQ(found->idCompagnia, 2);
    EXPECT_EQ(found->band.inizio, added.band.inizio);
    EXPECT_DOUBLE_EQ(found->band.costo, 0);
    EXPECT_FALSE(found->band.secondoCosto);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NextBandTest,
    ::testing::Values(
        NextBandCase{"FirstBandOfATariff", {}, DayType::Fer, "00:00", 0},
        NextBandCase{"AfterTheLatestEnd",
                     {band(DayType::Fer, "08:00", "18:30", 180), band(DayType::Fer, "00:00", "08:00", 340)},
                     DayType::Fer, "18:30", 180},
        NextBandCase{"DayAlreadyCovered", {band(DayType::Fer, "00:00", "24:00", 340)}, DayType::Fer, "00:00", 340},
        NextBandCase{"OtherDayTypeGivesOnlyDurata", {band(DayType::Fer, "00:00", "08:00", 15)}, DayType::Pre, "00:00",
                     15}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(TariffEditingTest, AddingToAMissingTariffIsAnError)
{
    EXPECT_THROW(editing_.addNextBand(999, DayType::Fer), DatabaseError);
}

TEST_F(TariffEditingTest, UpdatingABandWritesItsCellsAndKeepsTheRest)
{
    Band stored = band(DayType::Pre, "00:00", "24:00", 15);
    stored.secondoCosto = 15.9;
    const int id = store_.addBand(2, tariff_, stored);

    editing_.updateBand(id, {at("08:00"), at("13:00:30"), std::nullopt, 30.6, 100});
    Band updated = store_.bands(tariff_, DayType::Pre).front().band;
    EXPECT_EQ(updated.inizio, at("08:00"));
    EXPECT_EQ(updated.fine, at("13:00:30"));
    EXPECT_DOUBLE_EQ(updated.durata, 15) << "no durata given: the stored one stays";
    EXPECT_DOUBLE_EQ(updated.costo, 30.6);
    EXPECT_DOUBLE_EQ(updated.costoAllaRisposta, 100);
    EXPECT_EQ(updated.secondoCosto, 15.9);

    editing_.updateBand(id, {at("08:00"), at("13:00"), 180.0, 127, 127});
    EXPECT_DOUBLE_EQ(store_.bands(tariff_, DayType::Pre).front().band.durata, 180);
}

TEST_F(TariffEditingTest, UpdatingARemovedBandIsAnError)
{
    const int id = store_.addBand(2, tariff_, band(DayType::Fer, "00:00", "24:00", 180));
    const int kept = store_.addBand(2, tariff_, band(DayType::Fes, "00:00", "24:00", 180));
    editing_.removeBand(id);

    EXPECT_TRUE(store_.bands(tariff_, DayType::Fer).isEmpty());
    EXPECT_EQ(store_.bands(tariff_, DayType::Fes).front().id, kept);
    EXPECT_THROW(editing_.updateBand(id, {at("00:00"), at("24:00"), 1.0, 1, 1}), DatabaseError);
}

} // namespace
} // namespace zrt
