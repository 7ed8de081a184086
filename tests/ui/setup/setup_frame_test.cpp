#include "setup_window_fixture.h"

#include "controls/dropdown.h"
#include "controls/fltbutton.h"
#include "ui/setup/log_page.h"

#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QMenu>
#include <QMouseEvent>
#include <QStackedWidget>

namespace zrt::test {
namespace {

class SetupFrame : public SetupWindowTest {
protected:
    void chooseFromMenu(SetupPage page) { child<QMenu>("Scelta")->actions().at(int(page))->trigger(); }
    qint64 iconKey() { return child<dropdown>("dpOpzioni")->Picture().cacheKey(); }
    QCheckBox* autostartBox() { return child<QCheckBox>("chkAvvio"); }
};

// Statistics has no icon of its own and keeps the one of the page before.
TEST_F(SetupFrame, OpensOnThisMonthsLogAndNamesEveryPage)
{
    EXPECT_EQ(window_->currentPage(), SetupPage::Log);
    const LogPage* log = child<LogPage>("pnl0");
    const QDate today = QDate::currentDate();
    EXPECT_EQ(QDate(log->year(), log->month(), 1), QDate(today.year(), today.month(), 1));

    const char* captions[] = {"Lista Connessioni", "Setup Connessioni", "Setup Tariffe", "Statistiche",
                              "Info ZR Tellix 99"};
    chooseFromMenu(SetupPage::Info);
    for (int index = 0; index < kSetupPageCount; ++index) {
        const qint64 iconBefore = iconKey();
        chooseFromMenu(SetupPage(index));
        EXPECT_EQ(child<QStackedWidget>("pnl")->currentIndex(), index);
        EXPECT_EQ(child<dropdown>("dpOpzioni")->Caption(), QString::fromLatin1(captions[index]));
        EXPECT_EQ(child<QGroupBox>("frm")->title(), QString::fromLatin1(captions[index]));
        EXPECT_EQ(iconKey() == iconBefore, SetupPage(index) == SetupPage::Statistics) << captions[index];
    }
    chooseFromMenu(SetupPage::Log);
    click(child<fltbutton>("fltbutton10"));
    EXPECT_EQ(window_->currentPage(), SetupPage::Info) << "the info button";
}

TEST_F(SetupFrame, TheArrowOpensThePageMenuBelowTheDropDownAndClosingItPutsTheButtonUp)
{
    auto* button = child<dropdown>("dpOpzioni");
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->arrowRect().center());
    QMenu* menu = child<QMenu>("Scelta");
    ASSERT_TRUE(menu->isVisible());
    EXPECT_TRUE(button->DropDownValue());
    EXPECT_EQ(menu->pos(), button->mapToGlobal(QPoint(0, button->height())));

    menu->hide();
    EXPECT_FALSE(button->DropDownValue());
}

TEST_F(SetupFrame, ClosingHidesKeepingThePageAndMinimisingTitlesTheWindow)
{
    chooseFromMenu(SetupPage::Tariffs);
    click(child<fltbutton>("fltbutton1"));
    EXPECT_FALSE(window_->isVisible());
    window_->showFromMainWindow();
    EXPECT_EQ(window_->currentPage(), SetupPage::Tariffs);

    click(child<fltbutton>("fltbutton2"));
    EXPECT_TRUE(window_->isMinimized());
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Setup ZR Tellix 99"));
    window_->showNormal();
    EXPECT_EQ(window_->windowTitle(), QString());
}

TEST_F(SetupFrame, DraggingTheTitleStripMovesTheWindow)
{
    QWidget* strip = child<QWidget>("Picture1");
    window_->move(100, 100);
    const QPoint start = window_->pos();
    const QPoint grab(40, 10);
    const QPoint to = grab + QPoint(30, 20);
    QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, grab);
    QMouseEvent drag(QEvent::MouseMove, to, strip->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &drag);
    QTest::mouseRelease(strip, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(window_->pos(), start + QPoint(30, 20));
}

// Each click of the autostart box asks for the opposite state; what the
// desktop answers decides the box, the setting and what the user is told.
TEST_F(SetupFrame, TheAutostartBoxFollowsWhatTheDesktopDid)
{
    // The box, the setting and the messages so far after each click.
    const struct { const char* name; AutostartOutcome onGives; bool offWorks, on; int warnings, notices; } clicks[] = {
        {"on", AutostartOutcome::MachineWide, true, true, 0, 0},
        {"off", AutostartOutcome::MachineWide, true, false, 0, 0},
        {"on fails", AutostartOutcome::Failed, true, false, 1, 0},
        {"on for this user", AutostartOutcome::PerUser, true, true, 1, 1},
        {"off fails", AutostartOutcome::PerUser, false, true, 2, 1},
    };
    for (const auto& c : clicks) {
        autostart_.onOutcome = c.onGives;
        autostart_.offSucceeds = c.offWorks;
        click(autostartBox());
        EXPECT_EQ(autostartBox()->isChecked(), c.on) << c.name;
        EXPECT_EQ(settings_.autostartOn(), c.on) << c.name;
        EXPECT_EQ(messages_.warnings.size(), c.warnings) << c.name;
        EXPECT_EQ(messages_.notices.size(), c.notices) << c.name;
    }
    EXPECT_EQ(autostart_.calls.first(), QStringLiteral("on ZR Tellix 99 /usr/bin/zrtellix"));
}

TEST_F(SetupFrame, TheAutostartBoxFollowsTheStoredSettingAndRegistersOnlyOnAChange)
{
    settings_.setAutostartOn(true);
    window_->showFromMainWindow();
    EXPECT_TRUE(autostartBox()->isChecked());
    EXPECT_EQ(autostart_.calls.size(), 1) << "ticked by the setting: registered again";

    activate();
    EXPECT_EQ(autostart_.calls.size(), 1) << "already in that state";

    settings_.setAutostartOn(false);
    activate();
    EXPECT_FALSE(autostartBox()->isChecked());
    EXPECT_EQ(autostart_.calls.last(), QStringLiteral("off"));
}

} // namespace
} // namespace zrt::test
