#include "main_window_fixture.h"

#include "controls/flat_button.h"
#include "database/spending_limit_store.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QMessageBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

namespace zrt::test {
namespace {

constexpr int kTwipsPerPixel = 15;

// The desktop refuses the autostart entry here.
TEST_F(MainWindowTest, FirstRunLoadsHiddenInTheTrayAndSwitchesAutostartOnOnce)
{
    autostart.succeeds = false;
    QSignalSpy startUpOver(&window(), &MainWindow::loaded);
    EXPECT_FALSE(loaded().isVisible()) << "never parked off the screen, where window managers pull it back";
    EXPECT_EQ(startUpOver.count(), 1) << "the start-up ends though the window was never activated";
    EXPECT_EQ(autostart.registered,
              QStringList(QStringLiteral("ZR Tellix 99=") + QCoreApplication::applicationFilePath()));
    EXPECT_FALSE(settings.autostartOn());
    EXPECT_TRUE(dialogs.notices.isEmpty());

    window_.reset();
    writeSim("entries", "");
    loaded();
    EXPECT_EQ(autostart.registered.size(), 1) << "only the first run registers";
    EXPECT_EQ(dialogs.notices, QStringList(QStringLiteral("Non sono presenti connessioni di Accesso Remoto.")))
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

TEST_F(MainWindowTest, ChiudiHidesAndKeepsThePositionButNeverOneUnseenOrWithoutATrayMinimizes)
{
    const QPoint kept(200, 100);
    MainWindow& form = loaded();
    form.showAtSavedPosition();
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

TEST_F(MainWindowTest, TheMenuKeyAndShiftF10OpenTheMenuBelowItsButton)
{
    const struct { const char* name; Qt::Key key; Qt::KeyboardModifiers modifiers; bool opens; } keys[] = {
        {"Menu", Qt::Key_Menu, Qt::NoModifier, true},
        {"Shift+F10", Qt::Key_F10, Qt::ShiftModifier, true},
        {"F10 alone", Qt::Key_F10, Qt::NoModifier, false},
    };
    MainWindow& form = loaded(MainWindow::Placement::SavedPosition);
    QApplication::setActiveWindow(&form);
    const QWidget& button = child<QWidget>("dropdown1");
    for (const auto& k : keys) {
        QTest::keyClick(&form, k.key, k.modifiers);
        EXPECT_EQ(menu().isVisible(), k.opens) << k.name;
        if (k.opens) {
            EXPECT_GT(menu().y(), button.mapToGlobal(QPoint()).y()) << k.name;
        }
        menu().hide();
    }
}

// A modal dialog of the program takes the strip off the top while it is
// open; the strip stays where and as it was.
TEST_F(MainWindowTest, ModalDialogsAreNotCoveredByTheStrip)
{
    for (const bool shown : {true, false}) {
        MainWindow& form = loaded(MainWindow::Placement::SavedPosition);
        if (!shown)
            form.hide();
        const QPoint position = form.pos();
        QWidget ownWindow(&form, Qt::Window); // as the management window
        ownWindow.show();
        QDialog dialog;
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << shown;
        EXPECT_EQ(form.isVisible(), shown);
        dialog.hide();
        EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << shown;
        EXPECT_EQ(form.isVisible(), shown);
        EXPECT_EQ(form.pos(), position);
        EXPECT_TRUE(ownWindow.isVisible()) << "the strip's own windows stay";
        ownWindow.setParent(nullptr);
        window_.reset();
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

// A limit of 190 Lire: "Casa" costs 152 at once (80 %) and 305 from its
// second pulse at 180 s (past 100 %). The cost turns amber, then red; each
// warning goes to the tray icon, or, with no tray, to a message that does
// not stop the meter.
TEST_F(MainWindowTest, TheSpendingLimitColoursTheCostAndWarnsOnce)
{
    {
        Database file = scratch.open();
        SpendingLimitStore(file).setLimit(190);
    }
    for (const MainWindow::Placement placement : {MainWindow::Placement::InTray, MainWindow::Placement::SavedPosition}) {
        const bool inTray = placement == MainWindow::Placement::InTray;
        SCOPED_TRACE(inTray ? "in the tray" : "without a tray");
        {
            Database file = scratch.open();
            file.query(QStringLiteral("DELETE FROM Impostazioni WHERE chiave <> 'LimiteMensile'"));
            file.query(QStringLiteral("DELETE FROM Connessioni"));
        }
        QSignalSpy trayMessages(&loaded(placement), &MainWindow::trayMessageRequested);
        const auto costColour = [this] { return child<SegmentDisplay>("dgt").foreColor(); };
        EXPECT_EQ(costColour(), rgbValue(0, 0, 0));
        connect("Casa");
        second(); // the call is noticed
        second(); // and metered
        EXPECT_EQ(costColour(), rgbValue(224, 144, 0));
        for (int i = 0; i < 180; ++i)
            second();
        EXPECT_EQ(costColour(), rgbValue(208, 0, 0));
        QCoreApplication::processEvents();
        const int shown = inTray ? int(trayMessages.count()) : int(window().findChildren<QMessageBox*>().size());
        EXPECT_EQ(shown, 2);
        if (!inTray) {
            EXPECT_FALSE(window().findChildren<QMessageBox*>().constFirst()->isModal());
        }
        writeSim("connected", "");
        second();
        window_.reset();
    }
}

} // namespace
} // namespace zrt::test
