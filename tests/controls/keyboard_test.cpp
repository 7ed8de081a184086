#include "controls/default_button.h"
#include "controls/drop_down_button.h"
#include "controls/elided_label.h"
#include "controls/flat_button.h"

#include "widget_testing.h"

#include <QHBoxLayout>
#include <QLineEdit>
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

// Enter and Escape in a form whose line edit has the focus reach the
// default and cancel buttons; a focused button keeps them for itself.
TEST(DefaultButtons, EnterAndEscapeLeftAloneByTheFocusClickThem)
{
    QWidget form;
    auto* edit = new QLineEdit(&form);
    auto* ok = new FlatButton(&form);
    auto* cancel = new FlatButton(&form);
    auto* layout = new QHBoxLayout(&form);
    for (QWidget* widget : std::initializer_list<QWidget*>{edit, ok, cancel})
        layout->addWidget(widget);
    setDefaultButton(*ok, form);
    setCancelButton(*cancel, form);
    QSignalSpy oks(ok, &FlatButton::clicked);
    QSignalSpy cancels(cancel, &FlatButton::clicked);

    const struct { const char* name; QWidget* focused; Qt::Key key; bool okEnabled; int oks, cancels; } cases[] = {
        {"Enter in the field", edit, Qt::Key_Return, true, 1, 0},
        {"Escape in the field", edit, Qt::Key_Escape, true, 0, 1},
        {"Enter on Annulla", cancel, Qt::Key_Return, true, 0, 1},
        {"Enter with OK disabled", edit, Qt::Key_Return, false, 0, 0},
    };
    for (const auto& c : cases) {
        oks.clear();
        cancels.clear();
        ok->setEnabled(c.okEnabled);
        focus(*c.focused);
        QTest::keyClick(QApplication::focusWidget(), c.key);
        EXPECT_EQ(oks.count(), c.oks) << c.name;
        EXPECT_EQ(cancels.count(), c.cancels) << c.name;
    }
}

TEST(ElidedLabel, CutsALongTextWithAnEllipsisAndShowsItWholeWhenThereIsRoom)
{
    const QString longText = QString(200, QLatin1Char('x'));
    const struct { int width; bool cut; } cases[] = {{100, true}, {5000, false}};
    ElidedLabel label;
    label.setFullText(longText);
    label.show();
    for (const auto& c : cases) {
        label.resize(c.width, 20);
        EXPECT_EQ(label.text().endsWith(QChar(0x2026)), c.cut) << c.width;
        EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), c.width) << c.width;
        EXPECT_EQ(label.toolTip(), c.cut ? longText : QString()) << c.width;
        EXPECT_EQ(label.fullText(), longText);
    }
}

} // namespace
} // namespace zrt::test
