#include "ui/wizard/band_cells.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

BandDraft sampleBand()
{
    return {.inizio = *parseTimeOfDay("08:00"), .fine = *parseTimeOfDay("18:30:15"), .durata = 180, .costo = 1234.5,
            .costoAllaRisposta = 127, .secondoCosto = {}};
}

// A text taken is shown as given below; a refused one leaves the band as it
// was and gets a hint that mentions what is wanted. Numbers out of bounds
// are taken: the problem list names them.
TEST(BandCells, TypedTextIsTakenIntoTheBandOrRefusedWithAHint)
{
    const struct { BandColumn column; const char* text; const char* shownOrHint; bool taken; } cases[] = {
        {BandColumn::Inizio, " 07:05:09 ", "07:05:09", true},
        {BandColumn::Fine, "24:00", "24:00", true},
        {BandColumn::Durata, "0,5", "0,5", true},
        {BandColumn::Durata, "0", "0", true},
        {BandColumn::Durata, " ", "", true},
        {BandColumn::CostoMinuto, "1.234,5", "1.234,5", true},
        {BandColumn::SecondoCosto, "-3", "-3", true},
        {BandColumn::Inizio, "24:01", "HH:MM", false},
        {BandColumn::Fine, "8:00", "HH:MM", false},
        {BandColumn::Fine, "", "HH:MM", false},
        {BandColumn::CostoScatto, "30.60", "virgola", false},
        {BandColumn::CostoMinuto, "1e3", "virgola", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BandDraft band = sampleBand();
        const std::optional<QString> hint = BandCells::read(QString::fromUtf8(c.text), c.column, band);
        if (c.taken) {
            EXPECT_EQ(hint, std::nullopt);
            EXPECT_EQ(BandCells::text(band, c.column), QString::fromUtf8(c.shownOrHint));
        } else {
            ASSERT_TRUE(hint);
            EXPECT_TRUE(hint->contains(QString::fromUtf8(c.shownOrHint))) << hint->toStdString();
            EXPECT_EQ(band, sampleBand());
        }
    }
}

} // namespace
} // namespace zrt::test
