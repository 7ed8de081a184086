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

TEST_F(TariffEditingTest, NextBandStartsWhereTheDayTypeEndsOnTheTariffsCompany)
{
    const struct {
        const char* what;
        std::vector<Band> existing;
        DayType tipo;
        const char* inizio;
        double durata;
    } cases[] = {
        {"first band of a tariff", {}, DayType::Fer, "00:00", 0},
        {"after the latest end", {band(DayType::Fer, "08:00", "18:30", 180), band(DayType::Fer, "00:00", "08:00", 340)},
         DayType::Fer, "18:30", 180},
        {"day already covered", {band(DayType::Fer, "00:00", "24:00", 340)}, DayType::Fer, "00:00", 340},
        {"other day type gives only durata", {band(DayType::Fer, "00:00", "08:00", 15)}, DayType::Pre, "00:00", 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int tariff = store_.addTariff(2, QStringLiteral("Nuova"));
        for (const Band& existing : c.existing)
            store_.addBand(1, tariff, existing); // a stale company key must not spread

        const Fascia added = editing_.addNextBand(tariff, c.tipo);

        EXPECT_EQ(added.band.inizio, at(c.inizio));
        EXPECT_EQ(added.band.fine, at("24:00"));
        EXPECT_DOUBLE_EQ(added.band.durata, c.durata);
        const QList<Fascia> stored = store_.bands(tariff, c.tipo);
        const auto found = std::ranges::find(stored, added.id, &Fascia::id);
        ASSERT_NE(found, stored.end());
        EXPECT_EQ(found->idCompagnia, 2);
        EXPECT_EQ(found->band.inizio, added.band.inizio);
        EXPECT_DOUBLE_EQ(found->band.costo, 0);
        EXPECT_FALSE(found->band.secondoCosto);
    }
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

TEST_F(TariffEditingTest, MissingTariffsAndRemovedBandsAreErrorsThatChangeNothing)
{
    const int removed = store_.addBand(2, tariff_, band(DayType::Fer, "00:00", "24:00", 180));
    const int kept = store_.addBand(2, tariff_, band(DayType::Fes, "00:00", "24:00", 180));
    editing_.removeBand(removed);
    EXPECT_TRUE(store_.bands(tariff_, DayType::Fer).isEmpty());
    EXPECT_EQ(store_.bands(tariff_, DayType::Fes).front().id, kept);

    const QByteArray before = test::fileDigest(scratch_.path());
    EXPECT_THROW(editing_.updateTariff(999, 1, QStringLiteral("x")), DatabaseError);
    EXPECT_THROW(editing_.addNextBand(999, DayType::Fer), DatabaseError);
    EXPECT_THROW(editing_.updateBand(removed, {at("00:00"), at("24:00"), 1.0, 1, 1}), DatabaseError);
    EXPECT_EQ(test::fileDigest(scratch_.path()), before);
}

} // namespace
} // namespace zrt
