#include "setup_window_fixture.h"

#include "controls/dropdown.h"
#include "controls/fltbutton.h"
#include "controls/twips.h"
#include "ui/setup/log_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QMenu>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTest>

namespace zrt::test {
namespace {

class SetupFrame : public SetupWindowTest {
protected:
    void chooseFromMenu(int index)
    {
        QAction* item = child<QMenu>("Scelta")->actions().at(index);
        item->trigger();
    }

    qint64 iconKey() { return child<dropdown>("dpOpzioni")->Picture().cacheKey(); }
};

TEST_F(SetupFrame, OpensOnTheLogOfTheCurrentMonthInAFixedSizeBorderlessWindow)
{
    EXPECT_EQ(window_->currentPage(), SetupPage::Log);
    EXPECT_EQ(child<dropdown>("dpOpzioni")->Caption(), QStringLiteral("Lista Connessioni"));
    EXPECT_FALSE(child<dropdown>("dpOpzioni")->Picture().isNull());
    const LogPage* log = child<LogPage>("pnl0");
    EXPECT_EQ(log->year(), QDate::currentDate().year());
    EXPECT_EQ(log->month(), QDate::currentDate().month());

    const PixelScale scale = PixelScale::ofScreen();
    EXPECT_EQ(window_->size(), QSize(scale.toPixelsX(7095), scale.toPixelsY(4890)));
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    EXPECT_TRUE(window_->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(SetupFrame, EveryMenuItemShowsItsPageAndNamesIt)
{
    const char* captions[] = {"Lista Connessioni", "Setup Connessioni", "Setup Tariffe", "Statistiche",
                              "Info ZR Tellix 99"};
    for (int index = 0; index < kSetupPageCount; ++index) {
        chooseFromMenu(index);
        EXPECT_EQ(child<QStackedWidget>("pnl")->currentIndex(), index);
        EXPECT_EQ(child<dropdown>("dpOpzioni")->Caption(), QString::fromLatin1(captions[index]));
        EXPECT_EQ(child<QGroupBox>("frm")->title(), QString::fromLatin1(captions[index]));
    }
}

TEST_F(SetupFrame, StatisticsKeepsTheIconOfThePageBefore)
{
    chooseFromMenu(int(SetupPage::Tariffs));
    const qint64 tariffsIcon = iconKey();
    chooseFromMenu(int(SetupPage::Statistics));
    EXPECT_EQ(iconKey(), tariffsIcon);
    chooseFromMenu(int(SetupPage::Associations));
    EXPECT_NE(iconKey(), tariffsIcon);
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

TEST_F(SetupFrame, InfoButtonJumpsToTheLastPage)
{
    click(child<fltbutton>("fltbutton10"));
    EXPECT_EQ(window_->currentPage(), SetupPage::Info);
    EXPECT_EQ(child<dropdown>("dpOpzioni")->Caption(), QStringLiteral("Info ZR Tellix 99"));
}

TEST_F(SetupFrame, ClosingHidesAndTheNextShowingKeepsThePage)
{
    chooseFromMenu(int(SetupPage::Tariffs));
    click(child<fltbutton>("fltbutton1"));
    EXPECT_FALSE(window_->isVisible());

    window_->close();
    window_->showFromMainWindow();
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(window_->currentPage(), SetupPage::Tariffs);
}

TEST_F(SetupFrame, MinimisingTitlesTheWindowAndRestoringEmptiesTheTitle)
{
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
    QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, grab);
    const QPoint to = grab + QPoint(30, 20);
    QMouseEvent drag(QEvent::MouseMove, to, strip->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &drag);
    QTest::mouseRelease(strip, Qt::LeftButton, Qt::NoModifier, to);

    EXPECT_EQ(window_->pos(), start + QPoint(30, 20));
}

// Autostart box ---------------------------------------------------------

TEST_F(SetupFrame, TickingTheBoxRegistersTheProgramAndStoresTheSetting)
{
    click(child<QCheckBox>("chkAvvio"));
    EXPECT_EQ(autostart_.calls, QStringList{QStringLiteral("on ZR Tellix 99 /usr/bin/zrtellix")});
    EXPECT_TRUE(settings_.autostartOn());

    click(child<QCheckBox>("chkAvvio"));
    EXPECT_EQ(autostart_.calls.last(), QStringLiteral("off"));
    EXPECT_FALSE(settings_.autostartOn());
    EXPECT_TRUE(messages_.warnings.isEmpty());
}

TEST_F(SetupFrame, AFailedSwitchIsReportedAndTheBoxGoesBack)
{
    autostart_.onOutcome = AutostartOutcome::Failed;
    click(child<QCheckBox>("chkAvvio"));
    EXPECT_FALSE(child<QCheckBox>("chkAvvio")->isChecked());
    EXPECT_FALSE(settings_.autostartOn());
    EXPECT_EQ(messages_.warnings.size(), 1);

    autostart_.onOutcome = AutostartOutcome::MachineWide;
    click(child<QCheckBox>("chkAvvio"));
    autostart_.offSucceeds = false;
    click(child<QCheckBox>("chkAvvio"));
    EXPECT_TRUE(child<QCheckBox>("chkAvvio")->isChecked());
    EXPECT_TRUE(settings_.autostartOn());
    EXPECT_EQ(messages_.warnings.size(), 2);
}

TEST_F(SetupFrame, APerUserRegistrationIsExplained)
{
    autostart_.onOutcome = AutostartOutcome::PerUser;
    click(child<QCheckBox>("chkAvvio"));
    EXPECT_TRUE(child<QCheckBox>("chkAvvio")->isChecked());
    EXPECT_TRUE(settings_.autostartOn());
    EXPECT_EQ(messages_.notices.size(), 1);
}

TEST_F(SetupFrame, TheBoxFollowsTheStoredSettingAndRegistersOnlyOnAChange)
{
    settings_.setAutostartOn(true);
    window_->showFromMainWindow();
    EXPECT_TRUE(child<QCheckBox>("chkAvvio")->isChecked());
    EXPECT_EQ(autostart_.calls.size(), 1) << "ticked by the setting: registered again";

    activate();
    EXPECT_EQ(autostart_.calls.size(), 1) << "already in that state";

    settings_.setAutostartOn(false);
    activate();
    EXPECT_FALSE(child<QCheckBox>("chkAvvio")->isChecked());
    EXPECT_EQ(autostart_.calls.last(), QStringLiteral("off"));
}

} // namespace
} // namespace zrt::test
