#include "setup_window_fixture.h"

#include "controls/drop_down_button.h"
#include "controls/flat_button.h"
#include "ui/common/guide.h"
#include "ui/setup/log_page.h"

#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

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

// "Indirizzo notizie" takes a host name or a web address, or nothing for
// the local page only; anything else is refused and the stored address
// stays.
TEST_F(SetupFrame, TheNewsAddressTakesAHostOrAWebAddress)
{
    window_->choosePage(SetupPage::Options);
    QLineEdit* box = child<QLineEdit>("txtNewsUrl");
    const struct { const char* typed; const char* stored; bool refused; } cases[] = {
        {"www.esempio.it", "www.esempio.it", false},      {" https://esempio.it/n.htm ", "https://esempio.it/n.htm", false},
        {"ftp://esempio.it", "https://esempio.it/n.htm", true}, {"javascript:alert(1)", "https://esempio.it/n.htm", true},
        {"file:///etc/passwd", "https://esempio.it/n.htm", true}, {"", "", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const qsizetype warnings = messages_.warnings.size();
        box->setText(QString::fromUtf8(c.typed));
        emit box->editingFinished();
        EXPECT_EQ(settings_.newsUrl(), QString::fromUtf8(c.stored));
        EXPECT_EQ(box->text(), QString::fromUtf8(c.stored));
        EXPECT_EQ(messages_.warnings.size() - warnings, c.refused ? 1 : 0);
    }
}

// "Limite di spesa mensile" takes whole Lire within bounds, or nothing for
// no limit; anything else is refused and the stored limit shown again.
TEST_F(SetupFrame, TheSpendingLimitTakesWholeLireOrNothing)
{
    window_->choosePage(SetupPage::Options);
    QLineEdit* box = child<QLineEdit>("txtLimiteMensile");
    const struct { const char* typed; const char* shown; bool refused; } cases[] = {
        {"50000", "50000", false}, {"abc", "50000", true},  {"0", "50000", true}, {"1000000000001", "50000", true},
        {"12,5", "50000", true},   {" 75000 ", "75000", false}, {"", "", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const qsizetype warnings = messages_.warnings.size();
        box->setText(QString::fromUtf8(c.typed));
        emit box->editingFinished();
        EXPECT_EQ(box->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(messages_.warnings.size() - warnings, c.refused ? 1 : 0);
    }
}

// F1 opens the guide at the page of the window it was pressed in: the
// management window's page of the moment, a dialog's own page.
TEST_F(SetupFrame, F1OpensTheGuideAtThePageOfItsWindow)
{
    QTemporaryDir folder;
    for (const char* page : {"index.html", "log.html", "entries.html", "tariffs.html"}) {
        QFile file(folder.filePath(QString::fromLatin1(page)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("<p>") + page + "</p>");
    }
    Guide guide(folder.path());
    qApp->installEventFilter(&guide);
    const struct { SetupPage page; const char* guidePage; } cases[] = {
        {SetupPage::Log, "log.html"}, {SetupPage::Associations, "entries.html"},
        {SetupPage::Tariffs, "tariffs.html"}, {SetupPage::About, "index.html"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.guidePage);
        window_->choosePage(c.page);
        QTest::keyClick(window_->focusWidget() ? window_->focusWidget() : window_.get(), Qt::Key_F1);
        ASSERT_NE(guide.window(), nullptr);
        EXPECT_EQ(guide.window()->currentPage().fileName(), QString::fromLatin1(c.guidePage));
        EXPECT_TRUE(guide.window()->isVisible());
    }
    qApp->removeEventFilter(&guide);
}

} // namespace
} // namespace zrt::test
