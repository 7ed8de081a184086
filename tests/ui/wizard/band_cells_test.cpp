#include "ui/wizard/band_cells.h"


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

TEST(BandCells, ShowTimesShortAndAmountsTheItalianWay)
{
    const Band band = sampleBand();
    EXPECT_EQ(bandCellText(band, BandColumn::Inizio), QStringLiteral("08:00"));
    EXPECT_EQ(bandCellText(band, BandColumn::Fine), QStringLiteral("18:30:15")) << "seconds are not hidden";
    EXPECT_EQ(bandCellText(band, BandColumn::Durata), QStringLiteral("180"));
    EXPECT_EQ(bandCellText(band, BandColumn::CostoScatto), QStringLiteral("1.234,5"));
    EXPECT_EQ(bandCellText(band, BandColumn::CostoMinuto), QStringLiteral("1.234,5"));
    EXPECT_EQ(bandCellText(band, BandColumn::CostoRisposta), QStringLiteral("127"));
}

struct Accepted {
    BandColumn column;
    const char* text;
    const char* shownAfter;
};

class AcceptedCell : public ::testing::TestWithParam<Accepted> {};

TEST_P(AcceptedCell, IsTakenIntoTheBand)
{
    Band band = sampleBand();
    EXPECT_EQ(readBandCell(QString::fromUtf8(GetParam().text), GetParam().column, band), std::nullopt);
    EXPECT_EQ(bandCellText(band, GetParam().column), QString::fromUtf8(GetParam().shownAfter));
}

INSTANTIATE_TEST_SUITE_P(Cells, AcceptedCell,
                         ::testing::Values(Accepted{BandColumn::Inizio, "18:30", "18:30"},
                                           Accepted{BandColumn::Inizio, " 07:05:09 ", "07:05:09"},
                                           Accepted{BandColumn::Fine, "24:00", "24:00"},
                                           Accepted{BandColumn::Fine, "00:00:00", "00:00"},
                                           Accepted{BandColumn::Durata, "340", "340"},
                                           Accepted{BandColumn::Durata, "0,5", "0,5"},
                                           Accepted{BandColumn::CostoScatto, "30,60", "30,6"},
                                           Accepted{BandColumn::CostoMinuto, "1.234,5678", "1.234,5678"},
                                           Accepted{BandColumn::CostoMinuto, "12.345.678", "12.345.678"},
                                           Accepted{BandColumn::CostoRisposta, "0", "0"}));

struct Refused {
    BandColumn column;
    const char* text;
    const char* hintMentions;
};

class RefusedCell : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedCell, LeavesTheBandAsItWasWithAHint)
{
    Band band = sampleBand();
    const std::optional<QString> hint =
        readBandCell(QString::fromUtf8(GetParam().text), GetParam().column, band);
    ASSERT_TRUE(hint);
    EXPECT_TRUE(hint->contains(QString::fromUtf8(GetParam().hintMentions))) << hint->toStdString();
    for (int column = 0; column < kBandColumnCount; ++column) {
        const auto each = static_cast<BandColumn>(column);
        EXPECT_EQ(bandCellText(band, each), bandCellText(sampleBand(), each));
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, RefusedCell,
                         ::testing::Values(Refused{BandColumn::Inizio, "24:01", "HH:MM"},
                                           Refused{BandColumn::Inizio, "25:00", "HH:MM"},
                                           Refused{BandColumn::Inizio, "8:00", "HH:MM"},
                                           Refused{BandColumn::Fine, "18.30", "HH:MM"},
                                           Refused{BandColumn::Fine, "12:60", "HH:MM"},
                                           Refused{BandColumn::Fine, "", "HH:MM"},
                                           Refused{BandColumn::Durata, "0", "maggiore di zero"},
                                           Refused{BandColumn::Durata, "-180", "maggiore di zero"},
                                           Refused{BandColumn::Durata, "tre", "maggiore di zero"},
                                           Refused{BandColumn::CostoScatto, "-1", "non negativo"},
                                           Refused{BandColumn::CostoScatto, "30.60", "virgola"},
                                           Refused{BandColumn::Durata, "1.80", "maggiore di zero"},
                                           Refused{BandColumn::CostoMinuto, "30.60,1,2", "non negativo"},
                                           Refused{BandColumn::CostoMinuto, "1e3", "non negativo"},
                                           Refused{BandColumn::CostoRisposta, "", "non negativo"},
                                           Refused{BandColumn::CostoRisposta, "127 Lire", "non negativo"}));

} // namespace
} // namespace zrt
