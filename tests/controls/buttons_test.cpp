#include "controls/drop_down_button.h"
#include "controls/flat_button.h"
#include "controls/link_label.h"
#include "controls/link_opener.h"

#include "widget_testing.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zrt::test {
namespace {

using namespace testing;

const QColor bright(255, 255, 255), shadow(128, 128, 128), silver(192, 192, 192), black(0, 0, 0);

void press(QWidget& widget, QPoint at = {5, 5}) { QTest::mousePress(&widget, Qt::LeftButton, {}, at); }
void release(QWidget& widget, QPoint at = {5, 5}) { QTest::mouseRelease(&widget, Qt::LeftButton, {}, at); }

void expectPixels(QWidget& widget, const std::vector<std::pair<QPoint, QColor>>& samples)
{
    const QImage image = render(widget);
    for (const auto& [at, colour] : samples)
        EXPECT_EQ(pixel(image, at.x(), at.y()), colour) << at.x() << "," << at.y();
}

TEST(Fltbutton, IsRaisedWhileHoveredAndSunkenWhilePressedUnlessFrameless)
{
    using Style = FlatButton::ButtonStyle;
    using enum Style;
    const std::tuple<const char*, Style, std::function<void(FlatButton&)>, QColor, QColor> cases[] = {
        {"at rest", Normal, [](FlatButton&) {}, silver, silver},
        {"hovered", Normal, [](FlatButton& b) { enter(b); }, bright, shadow},
        {"pressed", Normal, [](FlatButton& b) { enter(b); press(b); }, shadow, bright},
        {"released", Normal, [](FlatButton& b) { press(b); release(b); }, bright, shadow},
        {"left", Normal, [](FlatButton& b) { enter(b); leave(b); }, silver, silver},
        {"manual, left", Normal, [](FlatButton& b) { b.setManual(true); enter(b); leave(b); }, bright, shadow},
        {"raised, disabled", Normal, [](FlatButton& b) { b.raiseAsHovered(); b.setEnabled(false); }, silver, silver},
        {"flat, pressed", PictureRightFlat,
         [](FlatButton& b) { b.raiseAsHovered(Qt::LeftButton); press(b); }, silver, silver},
    };
    for (const auto& [name, style, act, topLeft, bottomRight] : cases) {
        SCOPED_TRACE(name);
        FlatButton button;
        button.resize(80, 24);
        button.setButtonStyle(style);
        act(button);
        expectPixels(button, {{{0, 12}, topLeft}, {{40, 0}, topLeft}, {{79, 12}, bottomRight}, {{40, 23}, bottomRight}});
    }
}

TEST(Fltbutton, ClicksOnlyOnALeftPressReleasedInsideAndRepaintsKeepingTheCaption)
{
    FlatButton button;
    button.resize(80, 24);
    button.setCaption(QStringLiteral("Chiudi"));
    QSignalSpy clicks(&button, &FlatButton::clicked);
    QSignalSpy downs(&button, &FlatButton::mousePressed);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 6));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.first().at(0).value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
    EXPECT_EQ(downs.first().at(1).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
    EXPECT_EQ(downs.first().at(2).toPointF(), QPointF(4 * 15, 6 * 15)); // in twips

    const QRect inside(1, 1, 78, 22);
    const QImage before = render(button).copy(inside);
    press(button);
    render(button);
    EXPECT_EQ(render(button).copy(inside), before);
    release(button, {200, 6});
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(4, 6));
    EXPECT_EQ(clicks.count(), 1);
}

// A shown drop-down button with its events counted.
struct Watched {
    Watched() { button.resize(100, 24); button.show(); }

    void click(QPoint at) { press(button, at); release(button, at); }
    void clickArrow() { click(button.arrowRect().center()); }

    DropDownButton button;
    QSignalSpy opens{&button, &DropDownButton::dropDownOpened};
    QSignalSpy closes{&button, &DropDownButton::dropDownClosed};
    QSignalSpy clicks{&button, &DropDownButton::clicked};
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
        {"arrow clicked", [](Watched& w) { enter(w.button); w.clickArrow(); }, true, 1, 0, 0,
         parts(bright, shadow, shadow, bright)},
        {"arrow clicked twice", [](Watched& w) { w.clickArrow(); w.clickArrow(); }, false, 1, 1, 0, {}},
        {"closed in code", [](Watched& w) { w.clickArrow(); w.button.closeDropDown(); }, false, 1, 0, 0, {}},
        {"main part and caption clicked",
         [](Watched& w) { w.click({1, 1}); QTest::mouseClick(&w.button.innerButton(), Qt::LeftButton, {}, {5, 5}); },
         false, 0, 0, 2, {}},
        // A press on the arrow released elsewhere is no click: the toggle is undone.
        {"arrow pressed, released away",
         [](Watched& w) {
             press(w.button, w.button.arrowRect().center());
             EXPECT_TRUE(w.button.isDropDownOpen());
             release(w.button, {20, 10});
         },
         false, 0, 0, 0, {}},
        {"dropped, left", [](Watched& w) { enter(w.button); w.clickArrow(); leave(w.button); }, true, 1, 0, 0,
         parts(silver, silver, shadow, bright)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Watched w;
        c.act(w);
        EXPECT_EQ(w.button.isDropDownOpen(), c.dropped);
        EXPECT_EQ(w.opens.count(), c.opens);
        EXPECT_EQ(w.closes.count(), c.closes);
        EXPECT_EQ(w.clicks.count(), c.clicks);
        expectPixels(w.button, c.samples);
    }
}

struct RecordingOpener : LinkOpener {
    bool open(const QString& address) override
    {
        opened << address;
        return succeeds;
    }

    QStringList opened;
    bool succeeds = true;
};

class LinkLabelTest : public ::testing::Test
{
protected:
    void SetUp() override { label.resize(150, 60); label.setLinkOpener(opener); }

    void clickAt(QPoint at) { QTest::mouseClick(&label, Qt::LeftButton, {}, at); }
    QPoint text() const { return label.textRect().center(); }
    QPoint icon() const { return label.iconRect().center(); }

    RecordingOpener opener;
    LinkLabel label;
    QSignalSpy clicks{&label, &LinkLabel::clicked};
};

TEST_F(LinkLabelTest, ClickRaisesClickOnlyWithoutAHyperlink)
{
    clickAt(text());
    clickAt(icon());
    label.click();
    EXPECT_EQ(clicks.count(), 3);

    label.setHyperlink(QStringLiteral("http://www.example.it/"));
    clickAt(text());
    label.click();
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(opener.opened, QStringList(2, QStringLiteral("http://www.example.it/")));
}

TEST_F(LinkLabelTest, FailedOpenIsLoggedNotRaised)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtWarningMsg)
                warnings << message;
        });
    opener.succeeds = false;
    label.setHyperlink(QStringLiteral("mailto:info@example.it"));
    label.click();
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, QStringList{"Cannot open the link mailto:info@example.it"});
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(LinkLabelTest, UnderlinedWhileTheMouseIsOver)
{
    enter(label);
    EXPECT_TRUE(label.isUnderlined());
    leave(label);
    EXPECT_FALSE(label.isUnderlined());
}

TEST_F(LinkLabelTest, MouseSignalsComeFromTheTextWhateverTheStyle)
{
    using enum LinkLabel::IconPlacement;
    for (const LinkLabel::IconPlacement placement : {Left, Right, Above}) {
        SCOPED_TRACE(static_cast<int>(placement));
        QSignalSpy downs(&label, &LinkLabel::mousePressed);
        QSignalSpy doubles(&label, &LinkLabel::doubleClicked);
        label.setIconPlacement(placement);
        QTest::mousePress(&label, Qt::LeftButton, {}, icon());
        QTest::mouseDClick(&label, Qt::LeftButton, {}, icon());
        QTest::mousePress(&label, Qt::LeftButton, {}, text());
        EXPECT_EQ(downs.count(), 1);
        QTest::mouseDClick(&label, Qt::LeftButton, {}, text());
        EXPECT_EQ(doubles.count(), 1);
    }
}

} // namespace
} // namespace zrt::test
