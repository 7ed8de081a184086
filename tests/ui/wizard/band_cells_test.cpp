#include "ui/wizard/band_cells.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace zrt {
namespace {

Band sampleBand()
{
    Band band;
    band.inizio = *parseTimeOfDay("08:00");
    band.fine = *parseTimeOfDay("18:30:15");
    band.durata = 180;
    band.costo = 1234.5;
    band.costoAllaRisposta = 127;
    return band;
}

QStringList cellTexts(const Band& band)
{
    QStringList texts;
    for (int column = 0; column < kBandColumnCount; ++column)
        texts << bandCellText(band, BandColumn(column));
    return texts;
}

TEST(BandCells, ShowTimesShortAndAmountsTheItalianWay)
{
    EXPECT_EQ(cellTexts(sampleBand()), (QStringList{"08:00", "18:30:15", "180", "1.234,5", "1.234,5", "127"}));
}

// A text taken is shown as given below; a refused one leaves the band as it
// was and gets a hint that mentions what is wanted.
TEST(BandCells, TypedTextIsTakenIntoTheBandOrRefusedWithAHint)
{
    const struct { BandColumn column; const char* text; const char* shownOrHint; bool taken; } cases[] = {
        {BandColumn::Inizio, " 07:05:09 ", "07:05:09", true},
        {BandColumn::Fine, "24:00", "24:00", true},
        {BandColumn::Fine, "00:00:00", "00:00", true},
        {BandColumn::Durata, "0,5", "0,5", true},
        {BandColumn::CostoScatto, "30,60", "30,6", true},
        {BandColumn::CostoMinuto, "1.234,5678", "1.234,5678", true},
        {BandColumn::CostoRisposta, "0", "0", true},
        {BandColumn::Inizio, "24:01", "HH:MM", false},
        {BandColumn::Inizio, "8:00", "HH:MM", false},
        {BandColumn::Fine, "12:60", "HH:MM", false},
        {BandColumn::Fine, "", "HH:MM", false},
        {BandColumn::Durata, "0", "maggiore di zero", false},
        {BandColumn::Durata, "tre", "maggiore di zero", false},
        {BandColumn::Durata, "1.80", "maggiore di zero", false},
        {BandColumn::CostoScatto, "-1", "non negativo", false},
        {BandColumn::CostoScatto, "30.60", "virgola", false},
        {BandColumn::CostoMinuto, "30.60,1,2", "non negativo", false},
        {BandColumn::CostoMinuto, "1e3", "non negativo", false},
        {BandColumn::CostoRisposta, "", "non negativo", false},
        {BandColumn::CostoRisposta, "127 Lire", "non negativo", false},
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
} // namespace zrt
