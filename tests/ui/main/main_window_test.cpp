#include "main_window_fixture.h"

#include "controls/flat_button.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include <filesystem>

namespace zrt::test {
namespace {

constexpr int kTwipsPerPixel = 15;

// The desktop refuses the autostart entry here.
TEST_F(MainWindowTest, FirstRunLoadsOffScreenAndSwitchesAutostartOnOnce)
{
    autostart.outcome = AutostartOutcome::Failed;
    EXPECT_EQ(loaded().y(), MainWindow::kOffScreenTopTwips / kTwipsPerPixel);
    EXPECT_EQ(autostart.registered,
              QStringList(QStringLiteral("ZR Tellix 99=") + QCoreApplication::applicationFilePath()));
    EXPECT_FALSE(settings.autostartOn());
    EXPECT_TRUE(dialogs.notices.isEmpty());

    window_.reset();
    writeSim("entries", "");
    loaded();
    EXPECT_EQ(autostart.registered.size(), 1) << "only the first run registers";
    EXPECT_EQ(dialogs.notices, QStringList(QString::fromUtf8(kNoDialUpEntriesMessage.data())))
        << "an empty phonebook is told of";
}

TEST_F(MainWindowTest, MetersAConnectionInTheCurrencyShownAndRefusesToEndMeanwhile)
{
    loaded();
    QSignalSpy ends(&window(), &MainWindow::programEndRequested);
    connect("Casa");
    second();
    second();
    EXPECT_EQ(costText(), QStringLiteral("152")) << "one pulse of 127 Lire with 20 % VAT";

    menu().euroItem().trigger();
    second();
    EXPECT_EQ(costText(), QStringLiteral(",079"));

    menu().quitItem().trigger();
    EXPECT_EQ(ends.count(), 0) << "refused while metering";
    menu().hangUpItem().trigger();
    second();
    menu().quitItem().trigger();
    EXPECT_EQ(ends.count(), 1);
}

TEST_F(MainWindowTest, ChiudiHidesAndKeepsThePositionButNeverTheOneOffScreenOrWithoutATrayMinimizes)
{
    const QPoint kept(200, 100);
    MainWindow& form = loaded();
    form.move(kept);
    emit child<FlatButton>("fltbutton1").clicked();
    EXPECT_FALSE(form.isVisible());

    form.move(300, 300);
    form.showAtSavedPosition();
    EXPECT_EQ(form.pos(), kept) << "back where Chiudi left it, not where it was moved since";

    window_.reset();
    loaded().unload();
    EXPECT_EQ(QPoint(*settings.savedLeft(), *settings.savedTop()), kept * kTwipsPerPixel);

    window_.reset();
    MainWindow& withoutTray = loaded(MainWindow::Placement::SavedPosition);
    EXPECT_EQ(withoutTray.pos(), kept) << "shown at once";
    emit child<FlatButton>("fltbutton1").clicked();
    EXPECT_TRUE(withoutTray.isMinimized()) << "without a tray a hidden window could not be reached again";
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

TEST_F(MainWindowTest, DraggedByItsBodyAndKeptBelowTheTopOnlyFromTheBackground)
{
    MainWindow& form = loaded();
    form.move(100, 100);
    drag(form, {0, -200});
    EXPECT_EQ(form.pos(), QPoint(100, 0));
    drag(child<QLabel>("lblConnessione"), {30, -200});
    EXPECT_EQ(form.pos(), QPoint(130, -200)) << "a label drag leaves the window where it was dropped";
}

TEST_F(MainWindowTest, NewsPageIsFetchedOnConnectingAndAgainWhenTheBoxIsTickedMeanwhile)
{
    const QString page = QStringLiteral("http://news.example/news/tellix.asp");
    storeSetting("setting/NewsUrl", "news.example");
    network.pages[page] = "<p>Tariffe nuove</p>";
    loaded();
    connect("Casa");
    second();
    EXPECT_EQ(network.requested, QStringList(page));

    child<QCheckBox>("chk").click();
    child<QCheckBox>("chk").click();
    EXPECT_EQ(network.requested.size(), 2) << "ticked while a line is up";
}

// A line already up when the window loads is seen at once, and its news
// page opened only if the user wants it.
TEST_F(MainWindowTest, ALineUpAtLoadIsMeteredAtOnceAndItsNewsFetchedAsTheUserWants)
{
    storeSetting("setting/NewsUrl", "news.example");
    connect("Casa");
    for (const bool wanted : {false, true}) {
        network.requested.clear();
        storeSetting("setting/News", wanted ? "1" : "0");
        window_.reset();
        loaded();
        EXPECT_EQ(child<QLabel>("lblConnessione").toolTip(), QStringLiteral("Connessione attiva Casa")) << wanted;
        EXPECT_EQ(network.requested.size(), wanted ? 1 : 0) << wanted;
    }
}

// The dialer cannot empty its file (a folder stands in its place): the
// user reads why, in a message box opened once the tick is over.
TEST_F(MainWindowTest, AHangUpRefusalIsShownInAMessageBox)
{
    loaded();
    std::filesystem::create_directory(simFolder.path() / "connected");
    window().monitor().hangUp();
    EXPECT_TRUE(dialogs.warnings.isEmpty()) << "not inside the tick";
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings[0].startsWith(QStringLiteral("Impossibile chiudere la connessione: ")));
}

} // namespace
} // namespace zrt::test
