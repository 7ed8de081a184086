#include "controls/dropdown.h"
#include "controls/fltbutton.h"

#include "widgettesting.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zrt {
namespace {

using namespace testing;

const QColor bright(255, 255, 255);
const QColor shadow(128, 128, 128);
const QColor silver(192, 192, 192);
const QColor black(0, 0, 0);

void press(QWidget& widget, QPoint at = {5, 5}) { QTest::mousePress(&widget, Qt::LeftButton, {}, at); }
void release(QWidget& widget, QPoint at = {5, 5}) { QTest::mouseRelease(&widget, Qt::LeftButton, {}, at); }

void expectPixels(QWidget& widget, const std::vector<std::pair<QPoint, QColor>>& samples)
{
    const QImage image = render(widget);
    for (const auto& [at, colour] : samples)
        EXPECT_EQ(pixel(image, at.x(), at.y()), colour) << at.x() << "," << at.y();
}

class FltbuttonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button.resize(80, 24);
        button.setCaption(QStringLiteral("Chiudi"));
    }

    fltbutton button;
};

TEST_F(FltbuttonTest, IsRaisedWhileHoveredAndSunkenWhilePressedUnlessFrameless)
{
    using namespace FltStyle;
    const struct {
        const char* name;
        int style;
        std::function<void(fltbutton&)> act;
        QColor topLeft, bottomRight;
    } cases[] = {
        {"at rest", Normal, [](fltbutton&) {}, silver, silver},
        {"hovered", Normal, [](fltbutton& b) { enter(b); }, bright, shadow},
        {"pressed", Normal, [](fltbutton& b) { enter(b); press(b); }, shadow, bright},
        {"released", Normal, [](fltbutton& b) { press(b); release(b); }, bright, shadow},
        {"left", Normal, [](fltbutton& b) { enter(b); leave(b); }, silver, silver},
        {"manual, left", Normal, [](fltbutton& b) { b.setManual(true); enter(b); leave(b); }, bright, shadow},
        {"raised, disabled", Normal, [](fltbutton& b) { b.Rialza(); b.setEnabled(false); }, silver, silver},
        {"label raised", Label, [](fltbutton& b) { b.Rialza(); }, silver, silver},
        {"flat picture hovered", PictureLeftFlat, [](fltbutton& b) { enter(b); }, silver, silver},
        {"flat picture pressed", PictureRightFlat, [](fltbutton& b) { b.Abbassa(); press(b); }, silver,
         silver},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fltbutton framed;
        framed.resize(80, 24);
        framed.setStyle(c.style);
        c.act(framed);
        expectPixels(framed, {{{0, 12}, c.topLeft}, {{40, 0}, c.topLeft}, {{79, 12}, c.bottomRight},
                              {{40, 23}, c.bottomRight}});
    }
}

// On a 90 x 90 button a caption about 35 x 10 pixels and a 16-pixel picture
// fall within areas whose width or height also tells a turned caption.
TEST_F(FltbuttonTest, CaptionAndPictureArePlacedByStyleAlignmentAndDirection)
{
    using namespace FltAlignment;
    using namespace FltDirection;
    const struct {
        int style, alignment, direction;
        QRect caption, picture;
    } cases[] = {
        {FltStyle::Label, Left, Horizontal, {0, 30, 45, 30}, {}},
        {FltStyle::Label, Right, Horizontal, {45, 30, 45, 30}, {}},
        {FltStyle::Label, Left, Up, {30, 45, 30, 45}, {}},
        {FltStyle::Label, Right, Up, {30, 0, 30, 45}, {}},
        {FltStyle::Label, Left, Down, {30, 0, 30, 45}, {}},
        {FltStyle::Label, Right, Down, {30, 45, 30, 45}, {}},
        {FltStyle::Label, Left, UpsideDown, {45, 30, 45, 30}, {}},
        {FltStyle::Label, Center, Down, {30, 20, 30, 50}, {}},
        {FltStyle::Normal, Right, Horizontal, {20, 30, 50, 30}, {}},
        {FltStyle::PictureLeft, Left, Horizontal, {20, 30, 50, 30}, {0, 30, 20, 30}},
        {FltStyle::PictureRightFlat, Left, Horizontal, {0, 30, 40, 30}, {40, 30, 30, 30}},
        {FltStyle::Label, Right, Horizontal, {20, 20, 50, 20}, {30, 0, 30, 20}},
    };
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    button.resize(90, 90);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "style " << c.style << " alignment " << c.alignment
                                          << " direction " << c.direction);
        button.setStyle(c.style);
        button.setAlignment(c.alignment);
        button.setCaptionDirection(c.direction);
        button.setPicture(c.picture.isValid() ? picture : QPixmap());
        const QImage image = render(button);
        const QRect caption = inkBox(image, black);
        EXPECT_TRUE(c.caption.contains(caption))
            << caption.x() << "," << caption.y() << " " << caption.width() << "x" << caption.height();
        if (c.picture.isValid()) {
            EXPECT_TRUE(c.picture.contains(inkBox(image, Qt::red)));
        }
    }
}

TEST_F(FltbuttonTest, CaptionWiderThanTheButtonIsClippedSixPixelsNarrower)
{
    button.resize(60, 24);
    button.setCaption(QStringLiteral("Una didascalia molto lunga"));
    const QRect text = inkBox(render(button), black);
    EXPECT_GE(text.left(), 3);
    EXPECT_LE(text.right(), 60 - 3 - 1);
    EXPECT_GT(text.width(), 40);
}

TEST_F(FltbuttonTest, RepaintWhilePressedKeepsTheCaption)
{
    const QRect inside(1, 1, 78, 22);
    const QImage before = render(button).copy(inside);
    press(button);
    render(button);
    EXPECT_EQ(render(button).copy(inside), before);
}

TEST_F(FltbuttonTest, DisabledCaptionIsEmbossed)
{
    button.setEnabled(false);
    const QImage image = render(button);
    const QRect grey = inkBox(image, shadow);
    EXPECT_FALSE(inkBox(image, black).isValid());
    ASSERT_TRUE(grey.isValid());
    EXPECT_EQ(inkBox(image, bright).bottomRight(), grey.bottomRight() + QPoint(1, 1)); // the white shadow
}

TEST_F(FltbuttonTest, ClickFollowsPressAndReleaseInside)
{
    QSignalSpy clicks(&button, &fltbutton::Click);
    QSignalSpy downs(&button, &fltbutton::MouseDown);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 6));
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.first().mid(0, 3), (QVariantList{1, 1, 4.0f * 15})); // button, shift, x in twips

    press(button);
    release(button, {200, 6});
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(4, 6));
    EXPECT_EQ(clicks.count(), 1);
}

// A shown drop-down button with its events counted.
struct Watched {
    Watched()
    {
        button.resize(100, 24);
        button.show();
    }

    void enter() { testing::enter(button); }
    void leave() { testing::leave(button); }
    void click(QPoint at) { press(button, at); release(button, at); }
    void clickArrow() { click(button.arrowRect().center()); }

    dropdown button;
    QSignalSpy opens{&button, &dropdown::DropDownOpen};
    QSignalSpy closes{&button, &dropdown::DropDownClose};
    QSignalSpy clicks{&button, &dropdown::Click};
};

// The top of the drop-down's main part, either side of the parting at 87,
// its right edge and the arrow's tip.
std::vector<std::pair<QPoint, QColor>> parts(const QColor& top, const QColor& before, const QColor& after,
                                             const QColor& right)
{
    return {{{40, 0}, top}, {{86, 12}, before}, {{87, 12}, after}, {{99, 12}, right}, {{91, 11}, black}};
}

TEST(Dropdown, ArrowTogglesAndSinksWhileTheMainPartClicks)
{
    const struct {
        const char* name;
        std::function<void(Watched&)> act;
        bool dropped;
        int opens, closes, clicks;
        std::vector<std::pair<QPoint, QColor>> samples;
    } cases[] = {
        {"at rest", [](Watched&) {}, false, 0, 0, 0, parts(silver, silver, silver, silver)},
        {"hovered", [](Watched& w) { w.enter(); }, false, 0, 0, 0, parts(bright, shadow, bright, shadow)},
        {"arrow clicked", [](Watched& w) { w.enter(); w.clickArrow(); }, true, 1, 0, 0,
         parts(bright, shadow, shadow, bright)},
        {"arrow clicked twice", [](Watched& w) { w.clickArrow(); w.clickArrow(); }, false, 1, 1, 0, {}},
        {"closed in code", [](Watched& w) { w.clickArrow(); w.button.CloseDropDown(); }, false, 1, 0, 0, {}},
        {"main part and caption clicked",
         [](Watched& w) { w.click({1, 1}); QTest::mouseClick(&w.button.flt(), Qt::LeftButton, {}, {5, 5}); },
         false, 0, 0, 2, {}},
        // A press on the arrow released elsewhere is no click: the toggle is undone.
        {"arrow pressed, released away",
         [](Watched& w) {
             press(w.button, w.button.arrowRect().center());
             EXPECT_TRUE(w.button.DropDownValue());
             release(w.button, {20, 10});
         },
         false, 0, 0, 0, {}},
        {"dropped, left", [](Watched& w) { w.enter(); w.clickArrow(); w.leave(); }, true, 1, 0, 0,
         parts(silver, silver, shadow, bright)},
        {"entered while dropped", [](Watched& w) { w.button.setDropDownValue(true); w.enter(); }, true, 0, 0,
         0, parts(silver, silver, shadow, bright)},
        {"disabled", [](Watched& w) { w.button.setEnabled(false); }, false, 0, 0, 0,
         {{{91, 11}, shadow}, {{96, 11}, bright}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Watched w;
        c.act(w);
        EXPECT_EQ(w.button.DropDownValue(), c.dropped);
        EXPECT_EQ(w.opens.count(), c.opens);
        EXPECT_EQ(w.closes.count(), c.closes);
        EXPECT_EQ(w.clicks.count(), c.clicks);
        expectPixels(w.button, c.samples);
    }
}

} // namespace
} // namespace zrt
