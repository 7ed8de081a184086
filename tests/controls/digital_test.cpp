#include "controls/digital.h"
#include "controls/digitalgeometry.h"
#include "controls/propertybag.h"

#include "widgettesting.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

using testing::anyPixel;
using testing::pixel;
using testing::render;

const QColor red(255, 0, 0);
constexpr PixelScale usualScale{15, 15};

class DigitalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        display.resize(191, 60);
        display.setForeColor(rgbValue(255, 0, 0));
    }

    QImage show(const QString& value, int altezza = Digital::defaultAltezza)
    {
        display.setAltezza(altezza);
        display.SetValue(value);
        return render(display);
    }

    Digital display;
};

TEST(DigitalGeometry, ThicknessAndGapSwitchAtSeventyFive)
{
    const struct {
        int h, s, t, cw, right;
    } cases[] = {{74, 15, 1, 149, 99}, {75, 30, 2, 180, 115}, {150, 30, 2, 255, 190}};
    for (const auto& c : cases) {
        const DigitalMetrics metrics = DigitalMetrics::of(c.h, usualScale);
        EXPECT_EQ(metrics.thickness, c.s) << c.h;
        EXPECT_EQ(metrics.gapFactor, c.t) << c.h;
        EXPECT_EQ(metrics.cellWidth, c.cw) << c.h;
        EXPECT_EQ(metrics.rightColumn, c.right) << c.h;
    }
}

TEST(DigitalGeometry, EachPunctuationMarkCorrectsTheWidthOnce)
{
    const DigitalMetrics metrics = DigitalMetrics::of(75, usualScale);
    const struct {
        const char* text;
        int width;
    } cases[] = {
        {"12.50", 750}, {"12:34:56", 8 * 180 + 45 - 180}, {"1..2", 4 * 180 + 30 - 180},
        {"1,2.3", 5 * 180 + 2 * (30 - 180)}, {"1 2", 540}, {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(digitalTextWidth(QString::fromLatin1(c.text), metrics, usualScale), c.width) << c.text;
}

TEST(DigitalGeometry, TextIsRightAlignedFromTheFirstCell)
{
    const QList<QLineF> strokes = digitalStrokes(QStringLiteral("12.50"), 75, 2865, usualScale);
    ASSERT_FALSE(strokes.isEmpty());
    // The first digit, a "1", starts with its upper right segment.
    EXPECT_EQ(strokes.first().x1(), 2865 - 750 + 115);
    EXPECT_EQ(strokes.first().y1(), 5 * 15);
}

TEST_F(DigitalTest, FirstDigitStartsAtInnerWidthLessTheTextWidth)
{
    const QImage image = show(QStringLiteral("82.50"));
    const int firstCell = (2865 - 750) / 15;
    EXPECT_EQ(pixel(image, firstCell, 7), red);
    EXPECT_FALSE(anyPixel(image, QRect(0, 0, firstCell, 60), red));
}

TEST_F(DigitalTest, EachDigitLightsItsSegments)
{
    const int cell = 191 - 12; // one 180-twip cell from the right edge
    const struct {
        unsigned segment;
        QPoint at;
    } samples[] = {
        {SegmentA, {cell + 4, 3}},  {SegmentB, {cell + 8, 7}},  {SegmentC, {cell + 8, 15}},
        {SegmentD, {cell + 4, 19}}, {SegmentE, {cell + 1, 15}}, {SegmentF, {cell + 1, 7}},
        {SegmentG, {cell + 4, 11}},
    };
    const unsigned lit[] = {0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
                            0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111};
    for (int digit = 0; digit <= 9; ++digit) {
        EXPECT_EQ(segmentsLit(QChar('0' + digit)), lit[digit]) << digit;
        const QImage image = show(QString::number(digit));
        for (const auto& sample : samples) {
            const bool expected = (lit[digit] & sample.segment) != 0;
            EXPECT_EQ(pixel(image, sample.at.x(), sample.at.y()) == red, expected)
                << "digit " << digit << " segment " << sample.segment;
        }
    }
}

TEST_F(DigitalTest, SegmentsAreThreePixelsThickFromSeventyFive)
{
    const auto litColumns = [](const QImage& image, int row) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += pixel(image, x, row) == red ? 1 : 0;
        return count;
    };
    // Row 7 crosses the two upper verticals of an 8.
    EXPECT_EQ(litColumns(show(QStringLiteral("8"), 74), 7), 2 * 2);
    EXPECT_EQ(litColumns(show(QStringLiteral("8"), 75), 7), 2 * 3);
}

TEST_F(DigitalTest, DrawsThePunctuationMarks)
{
    const QImage period = show(QStringLiteral("."));
    for (const QPoint at : {QPoint(188, 20), QPoint(189, 20), QPoint(190, 20), QPoint(188, 21), QPoint(190, 21)})
        EXPECT_EQ(pixel(period, at.x(), at.y()), red) << "period " << at.x() << "," << at.y();
    EXPECT_NE(pixel(period, 187, 20), red);
    EXPECT_NE(pixel(period, 189, 19), red);

    const QImage comma = show(QStringLiteral(","));
    for (const QPoint at : {QPoint(190, 19), QPoint(189, 20), QPoint(187, 22)})
        EXPECT_EQ(pixel(comma, at.x(), at.y()), red) << "comma " << at.x() << "," << at.y();
    EXPECT_NE(pixel(comma, 185, 20), red);

    const QImage colon = show(QStringLiteral(":"));
    for (const int row : {10, 16}) {
        for (const int column : {188, 189, 190})
            EXPECT_EQ(pixel(colon, column, row), red) << "colon " << column << "," << row;
    }
    EXPECT_FALSE(anyPixel(colon, QRect(188, 11, 3, 5), red));
}

TEST_F(DigitalTest, EmptyValueDrawsNothingAndBlanksDoNotAdvance)
{
    EXPECT_FALSE(anyPixel(show(QString()), QRect(0, 0, 191, 60), red));
    // A blank takes a cell in the width but none in the drawing, so the
    // last digit ends a cell short of the right edge.
    EXPECT_TRUE(anyPixel(show(QStringLiteral("12")), QRect(179, 0, 12, 60), red));
    EXPECT_FALSE(anyPixel(show(QStringLiteral("1 2")), QRect(179, 0, 12, 60), red));
}

TEST_F(DigitalTest, SizeIsLimitedToTheBackgroundPicture)
{
    display.resize(3000 / 15, 1000 / 15);
    EXPECT_EQ(display.size(), QSize(2865 / 15, 930 / 15));
    display.resize(100, 30);
    EXPECT_EQ(display.size(), QSize(100, 30));
}

TEST_F(DigitalTest, PropertiesRoundTripWithDefaultsOmitted)
{
    PropertyMap untouched;
    Digital().writeProperties(untouched);
    EXPECT_TRUE(untouched.names().isEmpty());

    display.setAltezza(120);
    display.SetValue(QStringLiteral("1.234"));
    PropertyMap bag;
    display.writeProperties(bag);
    EXPECT_EQ(bag.names(), (QStringList{QStringLiteral("Altezza"), QStringLiteral("Value"),
                                        QStringLiteral("ForeColor")}));

    Digital restored;
    restored.readProperties(bag);
    EXPECT_EQ(restored.GetValue(), QStringLiteral("1.234"));
    EXPECT_EQ(restored.Altezza(), 120);
    EXPECT_EQ(restored.ForeColor(), rgbValue(255, 0, 0));

    restored.readProperties(PropertyMap());
    EXPECT_EQ(restored.GetValue(), QStringLiteral("0"));
    EXPECT_EQ(restored.Altezza(), Digital::defaultAltezza);
}

TEST_F(DigitalTest, AltezzaStaysWithinSixteenBits)
{
    display.setAltezza(100000);
    EXPECT_EQ(display.Altezza(), 32767);
}

} // namespace
} // namespace zrt
