#include "main_window_fixture.h"

#include "controls/dropdown.h"
#include "controls/fltbutton.h"
#include "ui/main/news_panel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QSignalSpy>

namespace zrt::test {
namespace {

constexpr int kTwipsPerPixel = 15;

using MainWindow = MainWindowTest;

TEST_F(MainWindow, LoadsOffScreenAtRestAndTellsOfAnEmptyPhonebookOnce)
{
    Form1& form = loaded();
    EXPECT_EQ(form.y(), Form1::kOffScreenTopTwips / kTwipsPerPixel);
    EXPECT_EQ(child<QLabel>("lblConnessione").text(), QStringLiteral("Non connesso"));
    EXPECT_FALSE(menu().chiudiconnessione().isEnabled());
    EXPECT_EQ(form.dialUpEntries(), (QStringList{"Casa", "Ufficio"}));
    EXPECT_TRUE(dialogs.notices.isEmpty());

    window_.reset();
    writeSim("entries", "");
    loaded();
    EXPECT_EQ(dialogs.notices, QStringList(QString::fromUtf8(kNoDialUpEntriesMessage.data())));
}

TEST_F(MainWindow, CostTextReachesTheDisplayAsAPlainNumber)
{
    const struct { const char* cost; const char* shown; } cases[] = {
        {"0", "0"}, {"1.234", "1234"}, {",079", "0,079"}, {"152,4", "152,4"}, {"12,", "12"}};
    for (const auto& c : cases) {
        window().showCost(QString::fromUtf8(c.cost));
        EXPECT_EQ(child<Digital>("dgt").GetValue(), QString::fromUtf8(c.shown)) << c.cost;
        EXPECT_EQ(costText(), QString::fromUtf8(c.cost)) << "the tooltip keeps the text as written";
    }
}

// The figures themselves are the engine's; the window switches what goes
// with them.
TEST_F(MainWindow, CurrencySwitchRewritesTheCostAndTheMenu)
{
    window().showCost(QStringLiteral("3.873"));
    menu().valuta().trigger();
    EXPECT_EQ(costText(), QStringLiteral("2,"));
    EXPECT_EQ(child<QLabel>("Label2").text(), QStringLiteral("Euri"));
    EXPECT_TRUE(child<QLabel>("pctLira").isHidden());
    EXPECT_FALSE(child<QLabel>("pctEuro").isHidden());
    EXPECT_FALSE(menu().valuta().isVisible());
    EXPECT_TRUE(menu().Lira().isVisible());

    menu().Lira().trigger();
    EXPECT_EQ(costText(), QStringLiteral("3.873"));
    EXPECT_EQ(child<QLabel>("Label2").text(), QStringLiteral("Lire"));
    EXPECT_FALSE(child<QLabel>("pctLira").isHidden());
    EXPECT_TRUE(menu().valuta().isVisible());
    EXPECT_FALSE(menu().Lira().isVisible());
}

TEST_F(MainWindow, MetersAConnectionAndRefusesToEndMeanwhile)
{
    loaded();
    QSignalSpy ends(&window(), &Form1::programEndRequested);
    connect("Casa");
    second();
    EXPECT_EQ(child<QLabel>("lblConnessione").text(), QStringLiteral("Connessione attiva Casa"));
    EXPECT_TRUE(menu().chiudiconnessione().isEnabled());
    second();
    EXPECT_EQ(child<QLabel>("dgttempo").text(), QStringLiteral("Tempo: 00:00:01"));
    EXPECT_EQ(costText(), QStringLiteral("152")) << "one pulse of 127 Lire with 20 % VAT";

    menu().valuta().trigger();
    second();
    EXPECT_EQ(costText(), QStringLiteral(",079")) << "the meter writes in the currency shown";

    menu().chiudi().trigger();
    EXPECT_EQ(ends.count(), 0) << "refused while metering";
    menu().chiudiconnessione().trigger();
    second();
    EXPECT_FALSE(menu().chiudiconnessione().isEnabled()) << "the line was hung up";
    menu().chiudi().trigger();
    EXPECT_EQ(ends.count(), 1);
}

TEST_F(MainWindow, SetupAsksForTheManagementWindowWithTheStoredAutostartChoice)
{
    for (const bool ticked : {true, false}) {
        storeSetting("SecondoAvvio/Auto", ticked ? "-1" : "0");
        QSignalSpy setup(&window(), &Form1::setupRequested);
        child<dropdown>("dropdown1").setDropDownValue(true);
        menu().setup().trigger();
        ASSERT_EQ(setup.count(), 1);
        EXPECT_EQ(setup.first().first().toBool(), ticked);
        EXPECT_FALSE(child<dropdown>("dropdown1").DropDownValue()) << "the button is up again";
    }
}

TEST_F(MainWindow, TheNewsBoxFoldsThePanelAndTheMenuOffersItBack)
{
    settings.setNewsOn(false);
    Form1& form = loaded();
    const int stripOnly = Form1::kStripHeightTwips / kTwipsPerPixel;
    EXPECT_EQ(form.height(), stripOnly) << "folded as stored";
    EXPECT_TRUE(menu().mnuNews().isVisible());

    menu().mnuNews().trigger();
    EXPECT_TRUE(child<QCheckBox>("chk").isChecked());
    EXPECT_EQ(form.height(), (Form1::kStripHeightTwips + Form1::kNewsHeightTwips) / kTwipsPerPixel);
    EXPECT_FALSE(menu().mnuNews().isVisible());
    EXPECT_TRUE(settings.newsOn());

    child<QCheckBox>("chk").click();
    EXPECT_EQ(form.height(), stripOnly);
    EXPECT_FALSE(settings.newsOn());
}

TEST_F(MainWindow, ChiudiHidesAndKeepsThePositionButNeverTheOneOffScreen)
{
    const QPoint kept(200, 100);
    Form1& form = loaded();
    form.move(kept);
    QSignalSpy closeSetup(&form, &Form1::closeSetupRequested);
    emit child<fltbutton>("fltbutton1").Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(closeSetup.count(), 1);
    EXPECT_EQ(QPoint(*settings.savedLeft(), *settings.savedTop()), kept * kTwipsPerPixel);

    form.move(300, 300);
    form.showAtSavedPosition();
    EXPECT_EQ(form.pos(), kept) << "back where Chiudi left it, not where it was moved since";

    window_.reset();
    loaded().unload();
    EXPECT_EQ(QPoint(*settings.savedLeft(), *settings.savedTop()), kept * kTwipsPerPixel);
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

TEST_F(MainWindow, FirstRunSwitchesAutostartOnOnceAndRemembersWhatHappened)
{
    for (const AutostartOutcome outcome : {AutostartOutcome::PerUser, AutostartOutcome::Failed}) {
        window_.reset();
        storeSetting("SecondoAvvio/Valore", nullptr);
        autostart.registered.clear();
        autostart.outcome = outcome;
        loaded();
        EXPECT_EQ(autostart.registered,
                  QStringList(QStringLiteral("ZR Tellix 99=") + QCoreApplication::applicationFilePath()));
        EXPECT_TRUE(settings.hasRunBefore());
        EXPECT_EQ(settings.autostartOn(), outcome != AutostartOutcome::Failed);

        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window_.get(), &activation);
        EXPECT_EQ(autostart.registered.size(), 1) << "only the first run registers";
    }
}

// Presses on a widget and lets go after moving the mouse by `by`. Each
// event is made just before it is sent, as events of the same pointing
// device share their point.
void drag(QWidget& handle, QPoint by)
{
    const QPoint start(2, 2);
    const QPoint globalStart = handle.mapToGlobal(start);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease}) {
        const QPoint moved = type == QEvent::MouseButtonPress ? QPoint() : by;
        QMouseEvent event(type, start + moved, globalStart + moved, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&handle, &event);
    }
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
