#include "controls/colorvalue.h"
#include "controls/propertybag.h"
#include "controls/twips.h"

#include <QColor>
#include <QPalette>

#include <gtest/gtest.h>

namespace zrt {
namespace {

TEST(Twips, PerPixelFollowsLogicalDpi)
{
    const struct {
        int dpi;
        int twips;
    } cases[] = {{96, 15}, {120, 12}, {144, 10}, {192, 8}, {0, 15}, {-1, 15}};
    for (const auto& c : cases)
        EXPECT_EQ(twipsPerPixel(c.dpi), c.twips) << c.dpi << " dpi";
}

TEST(Twips, RoundsHalvesToEven)
{
    const struct {
        double value;
        int rounded;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2}, {7.6667, 8}, {0.5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
}

TEST(ColorValue, PlainColoursKeepRedInTheLowByte)
{
    EXPECT_EQ(rgbValue(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(toQColor(0x800000, QPalette()), QColor(0, 0, 0x80));
    EXPECT_EQ(toQColor(silverColor, QPalette()), QColor(192, 192, 192));
}

TEST(ColorValue, SystemColoursComeFromThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
    palette.setColor(QPalette::Light, QColor(7, 8, 9));
    palette.setColor(QPalette::Dark, QColor(10, 11, 12));
    EXPECT_EQ(toQColor(buttonFaceColor, palette), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(buttonTextColor, palette), QColor(4, 5, 6));
    EXPECT_EQ(toQColor(highlight3DColor, palette), QColor(7, 8, 9));
    EXPECT_EQ(toQColor(shadow3DColor, palette), QColor(10, 11, 12));
    EXPECT_EQ(toQColor(systemColor(200), palette), palette.color(QPalette::WindowText));
}

TEST(ColorValue, ReadsSignedAndUnsignedStoredNumbers)
{
    EXPECT_EQ(colorValueFrom(QVariant(int(0x80000012)), 0), buttonTextColor);
    EXPECT_EQ(colorValueFrom(QVariant(uint(0x80000012)), 0), buttonTextColor);
    EXPECT_EQ(colorValueFrom(QVariant(), 42), 42u);
    EXPECT_EQ(colorValueFrom(QVariant(QStringLiteral("blue")), 42), 42u);
}

TEST(PropertyBag, OmitsDefaultsKeepsOrderAndMatchesNamesRegardlessOfCase)
{
    PropertyMap bag;
    bag.write(QStringLiteral("Value"), QStringLiteral("12,50"), QStringLiteral("0"));
    bag.write(QStringLiteral("Altezza"), 75, 75);
    bag.write(QStringLiteral("ForeColor"), 255u, 0u);
    EXPECT_EQ(bag.names(), (QStringList{QStringLiteral("Value"), QStringLiteral("ForeColor")}));
    EXPECT_EQ(bag.read(QStringLiteral("value")).toString(), QStringLiteral("12,50"));
    EXPECT_EQ(bag.read(QStringLiteral("ALTEZZA"), 75).toInt(), 75);

    bag.write(QStringLiteral("VALUE"), QStringLiteral("3"));
    EXPECT_EQ(bag.names().size(), 2);
    EXPECT_EQ(bag.read(QStringLiteral("Value")).toString(), QStringLiteral("3"));
}

} // namespace
} // namespace zrt
