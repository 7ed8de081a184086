#include "controls/gradient_logo.h"
#include "controls/segment_display.h"
#include "controls/log_font.h"
#include "controls/property_bag.h"

#include "widget_testing.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

const QColor red(255, 0, 0);

// The display at its full size showing value in red.
QImage show(const QString& value, int altezza = SegmentDisplay::defaultAltezza)
{
    SegmentDisplay display;
    display.resize(191, 60);
    display.setForeColor(rgbValue(255, 0, 0));
    display.setAltezza(altezza);
    display.setValue(value);
    return render(display);
}

// A mark takes a narrower cell than a digit, once for each kind of mark
// however many there are; a dash takes a digit's cell. A blank's cell is
// counted in the width but not drawn, so the last digit ends a cell short
// of the edge.
TEST(SegmentDisplay, ValueIsRightAlignedAndEachKindOfMarkNarrowsItOnce)
{
    const std::pair<const char*, int> lefts[] = {
        {"82.50", 141}, {"8..2", 153}, {"8,2.3", 151}, {"888", 155}, {"8--", 155}};
    for (const auto& [text, left] : lefts)
        EXPECT_EQ(inkBox(show(QString::fromLatin1(text)), red).left(), left) << text;
    EXPECT_FALSE(inkBox(show(QString()), red).isValid());
    EXPECT_LT(inkBox(show(QStringLiteral("1 2")), red).right(), inkBox(show(QStringLiteral("12")), red).right());
}

// An 8 shows where each segment lies: down its left column F and E, down
// the middle A, G and D, and the lower half must sit right under the middle
// segment at any height. Every digit then lights just its own segments, and
// the dash of an unknown amount the middle one alone.
TEST(SegmentDisplay, CharactersLightTheirSegmentsWithTheLowerHalfRightUnderTheMiddleAtEveryHeight)
{
    // The segments lit, A in the lowest bit to G in the highest.
    const std::pair<char, unsigned> lit[] = {
        {'0', 0b0111111}, {'1', 0b0000110}, {'2', 0b1011011}, {'3', 0b1001111}, {'4', 0b1100110}, {'5', 0b1101101},
        {'6', 0b1111101}, {'7', 0b0000111}, {'8', 0b1111111}, {'9', 0b1101111}, {'-', 0b1000000}};
    const std::pair<int, QString> cases[] = {
        {45, "MMLLLMMLLLMM"}, {74, "MMLLLLLMMLLLLLMM"}, {75, "MMMLLLLLMMMLLLLLMMM"}};
    for (const auto& [altezza, expectedStack] : cases) {
        SCOPED_TRACE(altezza);
        const QImage eight = show(QStringLiteral("8"), altezza);
        const QRect box = inkBox(eight, red);
        const int left = box.left(), middle = box.center().x(), right = box.right();
        QString stack; // down the 8: 'L' where only the left column is lit, 'M' where only the middle one is
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const bool inLeft = pixel(eight, left, y) == red, inMiddle = pixel(eight, middle, y) == red;
            stack += inLeft ? (inMiddle ? u'X' : u'L') : (inMiddle ? u'M' : u'.');
        }
        EXPECT_EQ(stack, expectedStack);

        const int f = box.top() + int(stack.indexOf(u'L')), e = box.top() + int(stack.lastIndexOf(u'L'));
        const int g = box.top() + int(stack.indexOf(u'M', stack.indexOf(u'L')));
        const QPoint segments[] = {{middle, box.top()}, {right, f}, {right, e}, {middle, box.bottom()},
                                   {left, e},           {left, f},  {middle, g}}; // A to G
        for (const auto& [character, mask] : lit) {
            const QImage shown = show(QString(QLatin1Char(character)), altezza);
            for (int segment = 0; segment < 7; ++segment) {
                EXPECT_EQ(pixel(shown, segments[segment].x(), segments[segment].y()) == red,
                          (mask >> segment & 1) != 0)
                    << "character " << character << " segment " << char('A' + segment);
            }
        }
    }
}

TEST(SegmentDisplay, SizeAndAltezzaStayWithinBounds)
{
    SegmentDisplay display;
    display.resize(3000 / 15, 1000 / 15);
    EXPECT_EQ(display.size(), QSize(2865 / 15, 930 / 15)); // the background picture's size
    display.setAltezza(100000);
    EXPECT_EQ(display.altezza(), 32767);
    PropertyMap bag;
    bag.write(QStringLiteral("Altezza"), -100000);
    display.readProperties(bag);
    EXPECT_EQ(display.altezza(), -32768);
}

QFont arial(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

TEST(LogFontRecord, HeightFollowsPointsAndResolutionAndTurnedOemFontsFallBackToAnsi)
{
    // points, dpi, rotation, character set; height, escapement and character set recorded
    const std::tuple<double, int, float, int, int, int, int> cases[] = {
        {8.25, 96, 0, ansiCharSet, -11, 0, ansiCharSet},
        {10, 120, 0, ansiCharSet, -17, 0, ansiCharSet},  {10, 96, 90, oemCharSet, -13, 900, ansiCharSet},
        {10, 96, 360, oemCharSet, -13, 3600, oemCharSet}, {10, 96, 0.4f, oemCharSet, -13, 4, oemCharSet},
        {10, 96, 90, 161, -13, 900, 161},
    };
    for (const auto& [points, dpi, rotation, charSet, height, escapement, recordedCharSet] : cases) {
        SCOPED_TRACE(::testing::Message() << points << " pt at " << dpi << ", turned " << rotation);
        const LogFontRecord record = logFontRecord(arial(points), charSet, rotation, dpi);
        EXPECT_EQ(record.height, height);
        EXPECT_EQ(record.escapement, escapement);
        EXPECT_EQ(record.charSet, recordedCharSet);
    }
    // The logo's plain record rounds to whole points first: 8.5 is taken as 8.
    EXPECT_EQ(plainLogFontRecord(arial(8.5), 96).height, -11);
}

TEST(LogFontRecord, FaceNameIsCutToThirtyTwoBytes)
{
    for (const auto& [length, terminated] : {std::pair{31, true}, {40, false}}) {
        SCOPED_TRACE(length);
        const LogFontRecord record = logFontRecord(QFont(QString(length, u'F')), ansiCharSet, 0, 96);
        EXPECT_EQ(record.faceName.size(), 32);
        EXPECT_EQ(record.faceName.endsWith('\0'), terminated);
        EXPECT_EQ(RotatedFont(record).font().family(), QString(std::min(length, 32), u'F'));
    }
}

// The label is destroyed first, so the logo also sees the events of a
// label being torn down.
TEST(GradientLogo, RepaintsItsLabelOnChangeButNeverAtZeroHeight)
{
    GradientLogo logo;
    QLabel banner;
    banner.resize(30, 120);
    banner.show();
    logo.setStartColor(rgbValue(10, 10, 10));
    logo.setDrawingObject(&banner);
    EXPECT_TRUE(banner.pixmap().isNull());
    logo.setEndColor(rgbValue(0, 0, 128));
    banner.resize(30, 200);
    EXPECT_EQ(pixel(banner.pixmap().toImage(), 0, 199), QColor(10, 10, 10));

    const qint64 drawn = banner.pixmap().cacheKey();
    logo.setEndColor(rgbValue(0, 0, 128));
    banner.resize(30, 0);
    logo.setStartColor(rgbValue(20, 20, 20));
    EXPECT_EQ(banner.pixmap().cacheKey(), drawn);
}

} // namespace
} // namespace zrt::test
