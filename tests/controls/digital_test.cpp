#include "controls/digital.h"
#include "controls/propertybag.h"

#include "widgettesting.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

using testing::inkBox;
using testing::pixel;

const QColor red(255, 0, 0);

// The display at its full size showing value in red.
QImage show(const QString& value, int altezza = Digital::defaultAltezza)
{
    Digital display;
    display.resize(191, 60);
    display.setForeColor(rgbValue(255, 0, 0));
    display.setAltezza(altezza);
    display.SetValue(value);
    return testing::render(display);
}

// A mark takes a narrower cell than a digit, once for each kind of mark
// however many there are. A blank's cell is counted in the width but not
// drawn, so the last digit ends a cell short of the edge.
TEST(Digital, ValueIsRightAlignedAndEachKindOfMarkNarrowsItOnce)
{
    const std::pair<const char*, int> lefts[] = {{"82.50", 141}, {"8..2", 153}, {"8,2.3", 151}};
    for (const auto& [text, left] : lefts)
        EXPECT_EQ(inkBox(show(QString::fromLatin1(text)), red).left(), left) << text;
    EXPECT_FALSE(inkBox(show(QString()), red).isValid());
    EXPECT_LT(inkBox(show(QStringLiteral("1 2")), red).right(), inkBox(show(QStringLiteral("12")), red).right());
}

// An 8 shows where each segment lies: down its left column F and E, down
// the middle A, G and D, and the lower half must sit right under the middle
// segment at any height. Every digit then lights just its own segments.
TEST(Digital, DigitsLightTheirSegmentsWithTheLowerHalfRightUnderTheMiddleAtEveryHeight)
{
    const unsigned lit[] = {0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
                            0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111};
    const struct {
        int altezza;
        QString stack;
    } cases[] = {
        {45, "MMLLLMMLLLMM"},
        {74, "MMLLLLLMMLLLLLMM"},
        {75, "MMMLLLLLMMMLLLLLMMM"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.altezza);
        const QImage eight = show(QStringLiteral("8"), c.altezza);
        const QRect box = inkBox(eight, red);
        const int left = box.left(), middle = box.center().x(), right = box.right();
        QString stack; // down the 8: 'L' where only the left column is lit, 'M' where only the middle one is
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const bool inLeft = pixel(eight, left, y) == red, inMiddle = pixel(eight, middle, y) == red;
            stack += inLeft ? (inMiddle ? u'X' : u'L') : (inMiddle ? u'M' : u'.');
        }
        EXPECT_EQ(stack, c.stack);

        const int f = box.top() + int(stack.indexOf(u'L')), e = box.top() + int(stack.lastIndexOf(u'L'));
        const int g = box.top() + int(stack.indexOf(u'M', stack.indexOf(u'L')));
        const QPoint segments[] = {{middle, box.top()}, {right, f}, {right, e}, {middle, box.bottom()},
                                   {left, e},           {left, f},  {middle, g}}; // A to G
        for (int digit = 0; digit <= 9; ++digit) {
            const QImage shown = show(QString::number(digit), c.altezza);
            for (int segment = 0; segment < 7; ++segment) {
                EXPECT_EQ(pixel(shown, segments[segment].x(), segments[segment].y()) == red,
                          (lit[digit] >> segment & 1) != 0)
                    << "digit " << digit << " segment " << char('A' + segment);
            }
        }
    }
}

TEST(Digital, SizeAndAltezzaStayWithinBounds)
{
    Digital display;
    display.resize(3000 / 15, 1000 / 15);
    EXPECT_EQ(display.size(), QSize(2865 / 15, 930 / 15)); // the background picture's size
    display.setAltezza(100000);
    EXPECT_EQ(display.Altezza(), 32767);
    PropertyMap bag;
    bag.write(QStringLiteral("Altezza"), -100000);
    display.readProperties(bag);
    EXPECT_EQ(display.Altezza(), -32768);
}

} // namespace
} // namespace zrt
