#include "tests/support/scratch_database.h"

#include "database/database_error.h"
#include "database/tariff_editing.h"
#include "database/tariff_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace zrt::test {
namespace {

TimeOfDay at(const char* text)
{
    return *parseTimeOfDay(text);
}

Band band(DayType tipo, const char* inizio, const char* fine, double durata)
{
    return {tipo, at(inizio), at(fine), durata, 127, 127, std::nullopt};
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
    store_.addBand(2, tariff_, band(DayType::Fes, "00:00", "24:00", 340));
    editing_.updateTariff(tariff_, 1, QStringLiteral("Rinominata"));

    EXPECT_EQ(store_.tariffs().back().idCompagnia, 1);
    EXPECT_EQ(store_.bands(tariff_, DayType::Fes).front().idCompagnia, 1);
    EXPECT_EQ(store_.bands(2, DayType::Fer).front().idCompagnia, 2) << "another tariff's bands stay where they are";
}

// Where the day type's bands end, whatever their stored order; the company
// is the tariff's, never a stale key of its bands.
TEST_F(TariffEditingTest, NextBandStartsWhereTheDayTypeEndsOnTheTariffsCompany)
{
    const struct {
        const char* what;
        std::vector<Band> existing;
        DayType tipo;
        const char* inizio;
        double durata;
    } cases[] = {
        {"after the latest end", {band(DayType::Fer, "08:00", "18:30", 180), band(DayType::Fer, "00:00", "08:00", 340)},
         DayType::Fer, "18:30", 180},
        {"day already covered", {band(DayType::Fer, "00:00", "24:00", 340)}, DayType::Fer, "00:00", 340},
        {"other day type gives only durata", {band(DayType::Fer, "00:00", "08:00", 15)}, DayType::Pre, "00:00", 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int tariff = store_.addTariff(2, QStringLiteral("Nuova"));
        for (const Band& existing : c.existing)
            store_.addBand(1, tariff, existing);

        const int id = editing_.addNextBand(tariff, c.tipo).id;
        const QList<Fascia> stored = store_.bands(tariff, c.tipo);
        const auto added = std::ranges::find(stored, id, &Fascia::id);
        ASSERT_NE(added, stored.end());
        EXPECT_EQ(added->idCompagnia, 2);
        EXPECT_EQ(added->band.inizio, at(c.inizio));
        EXPECT_DOUBLE_EQ(added->band.durata, c.durata);
    }
}

TEST_F(TariffEditingTest, UpdatingABandKeepsItsSecondPriceAndAnUneditedDurata)
{
    Band stored = band(DayType::Pre, "00:00", "24:00", 15);
    stored.secondoCosto = 15.9;
    const int id = store_.addBand(2, tariff_, stored);
    editing_.updateBand(id, {at("08:00"), at("13:00:30"), std::nullopt, 30.6, 100});

    const Band updated = store_.bands(tariff_, DayType::Pre).front().band;
    EXPECT_DOUBLE_EQ(updated.durata, 15);
    EXPECT_EQ(updated.secondoCosto, 15.9);
}

TEST_F(TariffEditingTest, MissingTariffsAndRemovedBandsAreErrorsThatChangeNothing)
{
    const int removed = store_.addBand(2, tariff_, band(DayType::Fer, "00:00", "24:00", 180));
    editing_.removeBand(removed);
    const QByteArray before = test::fileDigest(scratch_.path());
    EXPECT_THROW(editing_.updateTariff(999, 1, QStringLiteral("x")), DatabaseError);
    EXPECT_THROW(editing_.addNextBand(999, DayType::Fer), DatabaseError);
    EXPECT_THROW(editing_.updateBand(removed, {at("00:00"), at("24:00"), 1.0, 1, 1}), DatabaseError);
    EXPECT_EQ(test::fileDigest(scratch_.path()), before);
}

} // namespace
} // namespace zrt::test
