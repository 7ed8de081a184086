#include "controls/drop_down_button.h"
#include "controls/flat_button.h"

#include "widget_testing.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// The window made active and the widget given the focus, as a user's Tab
// would leave it.
void focus(QWidget& widget)
{
    widget.window()->show();
    QApplication::setActiveWindow(widget.window());
    widget.setFocus(Qt::TabFocusReason);
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int clicks;
    int opens;
};

TEST(FlatButtonKeys, SpaceAndEnterClickAFocusedButton)
{
    const KeyCase cases[] = {
        {"Space", Qt::Key_Space, Qt::NoModifier, 1, 0},
        {"Return", Qt::Key_Return, Qt::NoModifier, 1, 0},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, 1, 0},
        {"Ctrl+Space", Qt::Key_Space, Qt::ControlModifier, 0, 0},
        {"a letter", Qt::Key_A, Qt::NoModifier, 0, 0},
    };
    for (const KeyCase& c : cases) {
        FlatButton button;
        QSignalSpy clicks(&button, &FlatButton::clicked);
        focus(button);
        QTest::keyClick(&button, c.key, c.modifiers);
        EXPECT_EQ(clicks.count(), c.clicks) << c.name;
    }
}

TEST(DropDownButtonKeys, AltDownF4AndSpaceOpenWhileEnterClicks)
{
    const KeyCase cases[] = {
        {"Alt+Down", Qt::Key_Down, Qt::AltModifier, 0, 1},
        {"F4", Qt::Key_F4, Qt::NoModifier, 0, 1},
        {"Space", Qt::Key_Space, Qt::NoModifier, 0, 1},
        {"Return", Qt::Key_Return, Qt::NoModifier, 1, 0},
        {"Down alone", Qt::Key_Down, Qt::NoModifier, 0, 0},
    };
    for (const KeyCase& c : cases) {
        DropDownButton button;
        button.resize(100, 24);
        QSignalSpy clicks(&button, &DropDownButton::clicked);
        QSignalSpy opens(&button, &DropDownButton::dropDownOpened);
        focus(button);
        QTest::keyClick(&button, c.key, c.modifiers);
        EXPECT_EQ(clicks.count(), c.clicks) << c.name;
        EXPECT_EQ(opens.count(), c.opens) << c.name;
        EXPECT_EQ(button.isDropDownOpen(), c.opens == 1) << c.name;
    }
}

// A focused button looks different from the same button without the focus,
// and a label-style one is passed by.
TEST(ButtonFocus, TheFocusIsTakenAndShownByButtonsNotLabels)
{
    FlatButton button;
    button.setCaption(QStringLiteral("Stampa"));
    button.resize(80, 24);
    DropDownButton dropDown;
    dropDown.resize(100, 24);
    for (QWidget* widget : std::initializer_list<QWidget*>{&button, &dropDown}) {
        focus(*widget);
        ASSERT_TRUE(widget->hasFocus());
        const QImage focused = render(*widget);
        widget->clearFocus();
        EXPECT_NE(render(*widget), focused) << widget->metaObject()->className();
        EXPECT_EQ(widget->focusPolicy(), Qt::StrongFocus);
    }
    EXPECT_EQ(dropDown.innerButton().focusPolicy(), Qt::NoFocus) << "the focus is the whole drop-down's";
    button.setButtonStyle(FlatButton::ButtonStyle::Label);
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
}

} // namespace
} // namespace zrt::test
