#include "ui/wizard/band_cells.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

Band sampleBand()
{
    return {.inizio = *parseTimeOfDay("08:00"), .fine = *parseTimeOfDay("18:30:15"), .durata = 180, .costo = 1234.5,
            .costoAllaRisposta = 127, .secondoCosto = {}};
}

QStringList cellTexts(const Band& band)
{
    QStringList texts;
    for (int column = 0; column < kBandColumnCount; ++column)
        texts << bandCellText(band, BandColumn(column));
    return texts;
}

// A text taken is shown as given below; a refused one leaves the band as it
// was and gets a hint that mentions what is wanted.
TEST(BandCells, TypedTextIsTakenIntoTheBandOrRefusedWithAHint)
{
    const struct { BandColumn column; const char* text; const char* shownOrHint; bool taken; } cases[] = {
        {BandColumn::Inizio, " 07:05:09 ", "07:05:09", true},
        {BandColumn::Fine, "24:00", "24:00", true},
        {BandColumn::Durata, "0,5", "0,5", true},
        {BandColumn::CostoMinuto, "1.234,5", "1.234,5", true},
        {BandColumn::Inizio, "24:01", "HH:MM", false},
        {BandColumn::Fine, "8:00", "HH:MM", false},
        {BandColumn::Durata, "0", "maggiore di zero", false},
        {BandColumn::CostoScatto, "30.60", "virgola", false},
        {BandColumn::CostoMinuto, "1e3", "non negativo", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Band band = sampleBand();
        const std::optional<QString> hint = readBandCell(QString::fromUtf8(c.text), c.column, band);
        if (c.taken) {
            EXPECT_EQ(hint, std::nullopt);
            EXPECT_EQ(bandCellText(band, c.column), QString::fromUtf8(c.shownOrHint));
        } else {
            ASSERT_TRUE(hint);
            EXPECT_TRUE(hint->contains(QString::fromUtf8(c.shownOrHint))) << hint->toStdString();
            EXPECT_EQ(cellTexts(band), cellTexts(sampleBand()));
        }
    }
}

} // namespace
} // namespace zrt::test
