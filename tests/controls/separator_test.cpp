#include "controls/propertybag.h"
#include "controls/separator.h"

#include "widgettesting.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

using testing::pixel;
using testing::render;

const QColor bright(255, 255, 255);
const QColor dark(128, 128, 128);

class SeparatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        separator.setBackColor(rgbValue(0, 0, 255));
        separator.resize(50, 30);
    }

    Separator separator;
};

TEST_F(SeparatorTest, HorizontalIsFourPixelsHighWithTheDarkLineAbove)
{
    EXPECT_EQ(separator.size(), QSize(50, 4));
    EXPECT_EQ(separator.lineScura(), QLine(1, 1, 49, 1));
    EXPECT_EQ(separator.lineChiara(), QLine(1, 2, 49, 2));

    const QImage image = render(separator);
    const QColor back(0, 0, 255);
    const struct {
        QPoint at;
        QColor colour;
    } samples[] = {{{0, 1}, back}, {{1, 1}, dark}, {{48, 1}, dark}, {{49, 1}, back},
                   {{1, 2}, bright}, {{48, 2}, bright}, {{10, 0}, back}, {{10, 3}, back}};
    for (const auto& s : samples)
        EXPECT_EQ(pixel(image, s.at.x(), s.at.y()), s.colour) << s.at.x() << "," << s.at.y();
}

TEST_F(SeparatorTest, VerticalStyleTurnsTheLinesAndIsFourPixelsWide)
{
    separator.setStyle(1);
    separator.resize(200, 40);
    EXPECT_EQ(separator.size(), QSize(4, 40));
    EXPECT_EQ(separator.lineScura(), QLine(1, 1, 1, 39));
    EXPECT_EQ(separator.lineChiara(), QLine(2, 1, 2, 39));
    const QImage image = render(separator);
    EXPECT_EQ(pixel(image, 1, 20), dark);
    EXPECT_EQ(pixel(image, 2, 20), bright);
    EXPECT_EQ(pixel(image, 2, 39), QColor(0, 0, 255));
}

TEST_F(SeparatorTest, ResizingKeepsTheThickness)
{
    separator.resize(120, 50);
    EXPECT_EQ(separator.size(), QSize(120, 4));
}

TEST_F(SeparatorTest, PropertiesRoundTripIncludingTheBackground)
{
    PropertyMap untouched;
    Separator().writeProperties(untouched);
    EXPECT_TRUE(untouched.names().isEmpty());

    separator.setStyle(1);
    separator.setLineCleearColor(rgbValue(1, 1, 1));
    separator.setLineDarkColor(rgbValue(2, 2, 2));
    PropertyMap bag;
    separator.writeProperties(bag);
    EXPECT_EQ(bag.names(), (QStringList{"Style", "LineCleearColor", "LineDarkColor", "BackColor"}));

    Separator restored;
    restored.readProperties(bag);
    EXPECT_EQ(restored.Style(), 1);
    EXPECT_EQ(restored.LineCleearColor(), rgbValue(1, 1, 1));
    EXPECT_EQ(restored.LineDarkColor(), rgbValue(2, 2, 2));
    EXPECT_EQ(restored.BackColor(), rgbValue(0, 0, 255));
}

} // namespace
} // namespace zrt
