#include "setup_window_fixture.h"

#include "controls/drop_down_button.h"
#include "controls/flat_button.h"
#include "ui/setup/log_page.h"

#include <QCheckBox>
#include <QDate>
#include <QMenu>

namespace zrt::test {
namespace {

class SetupFrame : public SetupWindowTest {
protected:
    void chooseFromMenu(SetupPage page) { child<QMenu>("Scelta")->actions().at(int(page))->trigger(); }
    qint64 iconKey() { return child<DropDownButton>("dpOpzioni")->picture().cacheKey(); }
    QCheckBox* autostartBox() { return child<QCheckBox>("chkAvvio"); }
};

// Statistics has no icon of its own and keeps the one of the page before;
// closing hides the window keeping the page.
TEST_F(SetupFrame, OpensOnThisMonthsLogStatisticsKeepsTheIconBeforeAndClosingKeepsThePage)
{
    EXPECT_EQ(child<LogPage>("pnl0")->month(), QDate::currentDate().month());
    chooseFromMenu(SetupPage::About);
    for (int index = 0; index < kSetupPageCount; ++index) {
        const qint64 iconBefore = iconKey();
        chooseFromMenu(SetupPage(index));
        EXPECT_EQ(window_->currentPage(), SetupPage(index));
        EXPECT_EQ(iconKey() == iconBefore, SetupPage(index) == SetupPage::Statistics) << index;
    }
    chooseFromMenu(SetupPage::Tariffs);
    click(child<FlatButton>("fltbutton1"));
    EXPECT_FALSE(window_->isVisible());
    window_->showFromMainWindow();
    EXPECT_EQ(window_->currentPage(), SetupPage::Tariffs);
}

// Each click of the autostart box asks for the opposite state; what the
// desktop answers decides the box, the setting and what the user is told.
TEST_F(SetupFrame, TheAutostartBoxFollowsWhatTheDesktopDid)
{
    // The box, the setting and the messages so far after each click.
    const struct { const char* name; bool onWorks, offWorks, on; int warnings; } clicks[] = {
        {"on", true, true, true, 0},
        {"off", true, true, false, 0},
        {"on fails", false, true, false, 1},
        {"on again", true, true, true, 1},
        {"off fails", true, false, true, 2},
    };
    for (const auto& c : clicks) {
        autostart_.onSucceeds = c.onWorks;
        autostart_.offSucceeds = c.offWorks;
        click(autostartBox());
        EXPECT_EQ(autostartBox()->isChecked(), c.on) << c.name;
        EXPECT_EQ(settings_.autostartOn(), c.on) << c.name;
        EXPECT_EQ(messages_.warnings.size(), c.warnings) << c.name;
        EXPECT_TRUE(messages_.notices.isEmpty()) << c.name;
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
