#include "main_window_fixture.h"

#include "controls/dropdown.h"
#include "controls/fltbutton.h"
#include "ui/main/news_panel.h"
#include "monitor/dialup/dialup_service.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QSignalSpy>

namespace zrt::test {
namespace {

constexpr int kTwipsPerPixel = 15;

using MainWindow = MainWindowTest;

TEST_F(MainWindow, LoadsOffScreenAtRest)
{
    Form1& form = loaded();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.y(), Form1::kOffScreenTopTwips / kTwipsPerPixel);
    EXPECT_EQ(dgtValue(), QStringLiteral("0"));
    EXPECT_EQ(child<QLabel>("dgttempo").text(), QStringLiteral("Tempo: 00:00:00"));
    EXPECT_EQ(child<QLabel>("lblConnessione").text(), QStringLiteral("Non connesso"));
    EXPECT_EQ(child<QLabel>("Label2").text(), QStringLiteral("Lire"));
    EXPECT_TRUE(menu().valuta().isVisible());
    EXPECT_FALSE(menu().Lira().isVisible());
    EXPECT_FALSE(menu().mnuNews().isVisible());
    EXPECT_FALSE(menu().chiudiconnessione().isEnabled());
    EXPECT_EQ(form.dialUpEntries(), QStringList({QStringLiteral("Casa"), QStringLiteral("Ufficio")}));
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_EQ(form.font().family(), QStringLiteral("Arial"));
}

TEST_F(MainWindow, AnEmptyPhonebookIsToldOnce)
{
    writeSim("entries", "");
    loaded();
    EXPECT_EQ(dialogs.notices, QStringList(QString::fromUtf8(kNoDialUpEntriesMessage.data())));
}

TEST_F(MainWindow, CostTextReachesTheDisplayAsAPlainNumber)
{
    const struct {
        const char* cost;
        const char* shown;
    } cases[] = {{"0", "0"}, {"1.234", "1234"}, {",079", "0,079"}, {"152,4", "152,4"}, {"12,", "12"}};
    for (const auto& c : cases) {
        window().showCost(QString::fromUtf8(c.cost));
        EXPECT_EQ(dgtValue(), QString::fromUtf8(c.shown)) << c.cost;
        EXPECT_EQ(costText(), QString::fromUtf8(c.cost)) << "the tooltip keeps the text as written";
    }
}

TEST_F(MainWindow, CurrencySwitchRewritesTheCostAndTheMenu)
{
    const struct {
        const char* lire;
        const char* euro;
        const char* backInLire;
    } cases[] = {{"0", "0,", "0"}, {"3.873", "2,", "3.873"}, {"3.872", "1,9997", "3.872"}, {"121", "0,0625", "121"}};
    auto& button = child<dropdown>("dropdown1");
    for (const auto& c : cases) {
        window().showCost(QString::fromUtf8(c.lire));
        button.setDropDownValue(true);
        menu().valuta().trigger();
        EXPECT_EQ(costText(), QString::fromUtf8(c.euro)) << c.lire;
        EXPECT_EQ(child<QLabel>("Label2").text(), QStringLiteral("Euri"));
        EXPECT_EQ(window().currency(), Currency::Euro);
        EXPECT_TRUE(child<QLabel>("pctLira").isHidden());
        EXPECT_FALSE(child<QLabel>("pctEuro").isHidden());
        EXPECT_FALSE(menu().valuta().isVisible());
        EXPECT_TRUE(menu().Lira().isVisible());
        EXPECT_FALSE(button.DropDownValue());

        menu().Lira().trigger();
        EXPECT_EQ(costText(), QString::fromUtf8(c.backInLire)) << c.lire;
        EXPECT_EQ(window().currency(), Currency::Lire);
        EXPECT_TRUE(menu().valuta().isVisible());
        EXPECT_FALSE(child<QLabel>("pctLira").isHidden());
    }
}

TEST_F(MainWindow, MetersAConnectionAndRefusesToEndMeanwhile)
{
    loaded();
    QSignalSpy ends(&window(), &Form1::programEndRequested);
    connect("Casa");
    second();
    EXPECT_EQ(child<QLabel>("lblConnessione").text(), QStringLiteral("Connessione attiva Casa"));
    EXPECT_EQ(child<QLabel>("lblConnessione").toolTip(), QStringLiteral("Connessione attiva Casa"));
    EXPECT_TRUE(menu().chiudiconnessione().isEnabled());
    second();
    EXPECT_EQ(child<QLabel>("dgttempo").text(), QStringLiteral("Tempo: 00:00:01"));
    EXPECT_EQ(dgtValue(), QStringLiteral("152")) << "one pulse of 127 Lire with 20 % VAT";

    menu().valuta().trigger();
    second();
    EXPECT_EQ(costText(), QStringLiteral(",079")) << "the meter writes in the currency shown";

    menu().chiudi().trigger();
    EXPECT_EQ(ends.count(), 0) << "refused while metering";
    menu().chiudiconnessione().trigger();
    EXPECT_EQ(connectedFile(), "");
    second();
    EXPECT_FALSE(menu().chiudiconnessione().isEnabled());
    menu().chiudi().trigger();
    EXPECT_EQ(ends.count(), 1);
}

TEST_F(MainWindow, SetupAsksForTheManagementWindowWithTheAutostartChoice)
{
    const struct {
        const char* stored; // nullptr: never written
        bool ticked;
    } cases[] = {{nullptr, false}, {"-1", true}, {"0", false}, {"sì", false}};
    for (const auto& c : cases) {
        storeSetting("SecondoAvvio/Auto", c.stored);
        QSignalSpy setup(&window(), &Form1::setupRequested);
        child<dropdown>("dropdown1").setDropDownValue(true);
        menu().setup().trigger();
        ASSERT_EQ(setup.count(), 1);
        EXPECT_EQ(setup.first().first().toBool(), c.ticked) << (c.stored ? c.stored : "missing");
        EXPECT_FALSE(child<dropdown>("dropdown1").DropDownValue());
    }
}

TEST_F(MainWindow, NewsBoxFoldsThePanelAndTheMenuOffersItBack)
{
    Form1& form = loaded();
    const int withNews = (Form1::kStripHeightTwips + Form1::kNewsHeightTwips) / kTwipsPerPixel;
    const int stripOnly = Form1::kStripHeightTwips / kTwipsPerPixel;
    EXPECT_EQ(form.height(), withNews);

    child<QCheckBox>("chk").click();
    EXPECT_EQ(form.height(), stripOnly);
    EXPECT_TRUE(menu().mnuNews().isVisible());
    EXPECT_FALSE(settings.newsOn());

    menu().mnuNews().trigger();
    EXPECT_TRUE(child<QCheckBox>("chk").isChecked());
    EXPECT_EQ(form.height(), withNews);
    EXPECT_FALSE(menu().mnuNews().isVisible());
    EXPECT_TRUE(settings.newsOn());
}

TEST_F(MainWindow, AStoredNewsOffStartsFolded)
{
    settings.setNewsOn(false);
    EXPECT_EQ(loaded().height(), Form1::kStripHeightTwips / kTwipsPerPixel);
    EXPECT_FALSE(window().newsEnabled());
}

TEST_F(MainWindow, ChiudiHidesAndKeepsThePosition)
{
    Form1& form = loaded();
    form.move(200, 100);
    QSignalSpy closeSetup(&form, &Form1::closeSetupRequested);
    emit child<fltbutton>("fltbutton1").Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(settings.savedLeft(), 200 * kTwipsPerPixel);
    EXPECT_EQ(settings.savedTop(), 100 * kTwipsPerPixel);
    EXPECT_EQ(closeSetup.count(), 1);

    form.move(300, 300);
    form.showAtSavedPosition();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.pos(), QPoint(200, 100)) << "back where Chiudi left it, not where it was moved since";
}

TEST_F(MainWindow, ThePlaceOffScreenIsNeverSaved)
{
    settings.savePosition(3000, 1500);
    loaded().unload();
    EXPECT_EQ(settings.savedLeft(), 3000);
    EXPECT_EQ(settings.savedTop(), 1500);
}

TEST_F(MainWindow, WithoutATrayTheWindowShowsAtOnceAndChiudiMinimizes)
{
    settings.savePosition(1500, 3000);
    Form1& form = loaded(Form1::Placement::SavedPosition);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.pos(), QPoint(100, 200));
    emit child<fltbutton>("fltbutton1").Click();
    EXPECT_TRUE(form.isMinimized()) << "a hidden window could not be reached again";
}

TEST_F(MainWindow, FirstRunSwitchesAutostartOnAndRemembersWhatHappened)
{
    const struct {
        AutostartOutcome outcome;
        bool autostartOn;
    } cases[] = {{AutostartOutcome::MachineWide, true},
                 {AutostartOutcome::PerUser, true},
                 {AutostartOutcome::Failed, false}};
    for (const auto& c : cases) {
        window_.reset();
        storeSetting("SecondoAvvio/Valore", nullptr);
        autostart.registered.clear();
        autostart.outcome = c.outcome;
        loaded();
        EXPECT_EQ(autostart.registered,
                  QStringList(QStringLiteral("ZR Tellix 99=") + QCoreApplication::applicationFilePath()));
        EXPECT_TRUE(settings.hasRunBefore());
        EXPECT_EQ(settings.autostartOn(), c.autostartOn);

        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window_.get(), &activation);
        EXPECT_EQ(autostart.registered.size(), 1) << "only the first run registers";
    }
}

// Sends one left-button event; each is made just before it is sent, as
// events of the same pointing device share their point.
void sendMouse(QEvent::Type type, QWidget& widget, QPoint local, QPoint global)
{
    QMouseEvent event(type, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

// Presses on a widget and lets go after moving the mouse by `by`.
void drag(QWidget& handle, QPoint by)
{
    const QPoint start(2, 2);
    const QPoint globalStart = handle.mapToGlobal(start);
    sendMouse(QEvent::MouseButtonPress, handle, start, globalStart);
    sendMouse(QEvent::MouseMove, handle, start + by, globalStart + by);
    sendMouse(QEvent::MouseButtonRelease, handle, start + by, globalStart + by);
}

TEST_F(MainWindow, DraggedByItsBodyAndKeptBelowTheTopOnlyFromTheBackground)
{
    Form1& form = loaded();
    form.move(100, 100);
    drag(form, {30, 20});
    EXPECT_EQ(form.pos(), QPoint(130, 120));

    drag(child<QLabel>("lblConnessione"), {0, -200});
    EXPECT_EQ(form.pos(), QPoint(130, -80)) << "a label drag leaves the window where it was dropped";

    form.move(100, 100);
    drag(form, {0, -200});
    EXPECT_EQ(form.pos(), QPoint(100, 0));
}

TEST_F(MainWindow, NewsPageIsFetchedOnTheFirstConnectionAndWhenTheBoxIsTicked)
{
    const QString page = QStringLiteral("http://news.example/news/tellix.asp");
    storeSetting("setting/NewsUrl", "news.example");
    network.pages[page] = "<p>Tariffe nuove</p>";
    loaded();
    connect("Casa");
    second();
    ASSERT_EQ(network.requested, QStringList(page));
    QCoreApplication::processEvents();
    EXPECT_TRUE(child<NewsPanel>("WebBrowser1").toPlainText().contains(QStringLiteral("Tariffe nuove")));

    writeSim("connected", "");
    second();
    connect("Casa");
    second();
    EXPECT_EQ(network.requested.size(), 1) << "not again for a second connection of the run";

    child<QCheckBox>("chk").click();
    child<QCheckBox>("chk").click();
    EXPECT_EQ(network.requested.size(), 2) << "ticked while a line is up";
}

} // namespace
} // namespace zrt::test
