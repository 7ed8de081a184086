#include "tests/support/scratch_database.h"
#include "tests/support/local_time.h"

#include "database/association_store.h"
#include "database/band_lookup_query.h"
#include "database/database_error.h"
#include "database/spending_limit_store.h"
#include "database/tariff_store.h"
#include "database/vat_store.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TEST(AssociationStore, OneRowAnEntryAndAnExistingChoiceIsKept)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    AssociationStore store(database);
    store.associate(QStringLiteral("Ufficio"), 1);
    store.associate(QStringLiteral("Ufficio"), 2);
    EXPECT_EQ(store.ensureAssociated({QStringLiteral("Casa"), QStringLiteral("Ufficio")}), 1);
    EXPECT_EQ(store.all().size(), 2);
    EXPECT_EQ(store.find(QStringLiteral("Ufficio"))->idTariffa, 2);
}

// The shipped file holds tariff 2, in pulses.
TEST(BandLookup, FindsTheBandStrictlyInsideOnTheShippedPulseTariff)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    AssociationStore(database).associate(QStringLiteral("Ελλάδα"), 2);
    AssociationStore(database).associate(QStringLiteral("Persa"), 99);
    const struct {
        const char* entry;
        const char* instant;
        const char* inizio; // nullptr: no band
    } cases[] = {
        {"Ελλάδα", "2026-12-07 10:00:00", "08:00:00"}, // Monday, full rate
        {"Ελλάδα", "2026-12-07 08:00:00", nullptr},    // a boundary belongs to no band
        {"Ελλάδα", "2026-12-07 23:59:59", "18:30:00"}, // the last band ends at 24:00
        {"Ελλάδα", "2026-12-12 14:00:00", "13:00:00"}, // Saturday
        {"Ελλάδα", "2027-12-24 14:00:00", "13:00:00"}, // Friday 24/12 is PRE
        {"Ελλάδα", "2026-12-08 10:00:00", "00:00:00"}, // 8/12 holiday, FES all day
        {"ελλάδα", "2026-12-07 10:00:00", "08:00:00"}, {"Ελλάδα ", "2026-12-07 10:00:00", nullptr}, // no trimming
        {"Persa", "2026-12-07 10:00:00", nullptr},     // associated to a missing tariff
    };
    BandLookup lookup(database);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " at " + c.instant);
        const std::optional<BandRecord> record = lookup.LookUpBand(QString::fromUtf8(c.entry), at(c.instant));
        ASSERT_EQ(record.has_value(), c.inizio != nullptr);
        if (record) {
            EXPECT_EQ(formatTimeOfDay(record->band.inizio), c.inizio);
        }
    }
}

TEST(TariffStore, MalformedStoredBandIsReportedNotGuessed)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    database.query(QStringLiteral("UPDATE Fasce SET Durata = 'tre' WHERE id_Tariffa = 2"));
    EXPECT_THROW(TariffStore(database).tariff(2), DatabaseError);
}

TEST(SpendingLimitStore, SetClearAndRefuseBadValues)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    SpendingLimitStore store(database);
    EXPECT_FALSE(store.limit()) << "no limit until one is set";
    const struct {
        qint64 lire;
        bool accepted;
    } cases[] = {{50'000, true}, {0, false}, {-1, false}, {1, true}, {kHighestSpendingLimit, true},
                 {kHighestSpendingLimit + 1, false}};
    std::optional<qint64> expected;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lire);
        if (c.accepted) {
            store.setLimit(c.lire);
            expected = c.lire;
        } else {
            EXPECT_THROW(store.setLimit(c.lire), DatabaseError);
        }
        EXPECT_EQ(store.limit(), expected) << "a refused value leaves the limit as it was";
    }
    store.clearLimit();
    EXPECT_FALSE(store.limit());
}

TEST(SpendingLimitStore, AStoredValueThatIsNotALimitIsRefused)
{
    const struct {
        const char* stored; // nullptr: NULL
        bool readable;
    } cases[] = {{"", true}, {nullptr, true}, {" 20000 ", true}, {"abc", false}, {"0", false}, {"12,5", false},
                 {"99999999999999999999", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "NULL");
        test::ScratchDatabase scratch;
        Database database = scratch.open();
        database.query(QStringLiteral("INSERT INTO Impostazioni VALUES ('LimiteMensile', ?)"),
                       {c.stored ? QVariant(QString::fromUtf8(c.stored)) : QVariant()});
        if (c.readable)
            EXPECT_NO_THROW(SpendingLimitStore(database).limit());
        else
            EXPECT_THROW(SpendingLimitStore(database).limit(), DatabaseError);
    }
}

TEST(SpendingLimitStore, WarningsOutliveTheConnection)
{
    test::ScratchDatabase scratch;
    {
        Database database = scratch.open();
        SpendingLimitStore store(database);
        EXPECT_EQ(store.warnings().near, "");
        store.noteWarning(LimitLevel::Near, "2026-11");
        store.noteWarning(LimitLevel::Near, "2026-12");
        store.noteWarning(LimitLevel::Reached, "2026-12");
    }
    Database database = scratch.open();
    const LimitWarnings warnings = SpendingLimitStore(database).warnings();
    EXPECT_EQ(warnings.near, "2026-12");
    EXPECT_EQ(warnings.reached, "2026-12");
}

} // namespace
} // namespace zrt::test
