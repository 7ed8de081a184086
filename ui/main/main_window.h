#pragma once

#include "monitor/monitor_display.h"

#include <QString>
#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;

namespace zrt {

class Autostart;
class Clock;
class ConnectionMonitor;
class SegmentDisplay;
class DialUpService;
class LinkOpener;
class MainMenu;
class MonitorSession;
class NewsPanel;
class PageFetcher;
class Settings;
class UserMessages;
class DropDownButton;
class FlatButton;

// What the main window works with.
struct MainWindowServices {
    Settings& settings;
    DialUpService& dialUp;
    Clock& clock;
    Autostart& autostart;
    UserMessages& messages;
    LinkOpener& links;
    PageFetcher& news;
};

// The main window: a strip above all other windows, out of the task bar,
// that shows the state of the line, the cost on a seven-segment display
// with its currency and the elapsed time, with a news panel that folds out
// below. It runs the connection monitor once a second, and offers its
// commands through the drop-down button and the tray icon's menu. Without
// a title bar, it is moved by dragging its body.
class MainWindow : public QWidget, public MonitorDisplay {
    Q_OBJECT

public:
    enum class Placement {
        InTray,        // hidden until the tray icon brings it up
        SavedPosition, // there is no tray: the window is the only way in
    };

    // Heights of the strip alone and with the news panel, in twips.
    static constexpr int kStripHeightTwips = 690;
    static constexpr int kNewsHeightTwips = 465;

    // Meters the connections into the log of the database file; the news
    // page is read from the data folder.
    MainWindow(MainWindowServices services, QString dataFolder, const QString& databasePath,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads the phonebook (telling the user when it is empty), shows the
    // window or leaves it in the tray as placement says, starts the monitor
    // and ends the start-up (the intro goes, the first run registers
    // autostart), whether the window is shown or not.
    void load(Placement placement);
    // Brings the window to where "Chiudi" last left it, on the screen.
    void showAtSavedPosition();
    void popUpMenu(const QPoint& globalPosition);
    // The menu where the "Menu" button drops it; the Menu key and
    // Shift+F10 open it there too.
    void popUpMenuBelowButton();
    // At the program's end: keeps the position and completes the log row
    // of a connection still metered.
    void unload();

    ConnectionMonitor& monitor();
    MainMenu& menu() const { return *menu_; }

    void showConnection(const QString& caption) override;
    void setHangUpEnabled(bool enabled) override;
    void showCost(const QString& text) override;
    void showMissingTariff(const QString& entry) override;
    void showElapsed(const QString& text) override;
    void showHangUpRefusal(const QString& text) override;
    void showSpendingLevel(LimitLevel level) override;
    void warnSpendingLimit(const QString& text) override;
    Currency currency() const override;
    bool newsEnabled() const override;
    void openNewsPage() override;
    void logChanged() override { emit connectionLogChanged(); }

signals:
    // The window is loaded: the start-up is over.
    void loaded();
    // "Setup": the management window should open, its autostart box ticked or not.
    void setupRequested(bool autostartTicked);
    // A spending limit warning, for the tray icon to show.
    void trayMessageRequested(const QString& text);
    // The management window should close: the strip is hidden or the program ends.
    void closeSetupRequested();
    // "Guida", or a link to it in the news: the user guide should open at `page`.
    void guideRequested(const QString& page);
    // "Chiudi ZR Tellix 99" while no connection is metered.
    void programEndRequested();
    void connectionLogChanged();
    void currencyChanged(Currency currency);
    // What the tray icon's tooltip should say: the program's name, and a
    // missing tariff while one leaves the cost unknown.
    void toolTipChanged(const QString& text);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createDisplay();
    void createLineLabels();
    void createCommands();
    void createNews();
    void placeControls();
    void connectCommands();

    void tellIfPhonebookEmpty();
    void finishStartUp();
    void registerAutostartOnFirstRun();

    void switchToEuro();
    void switchToLire();
    void showCurrency(Currency currency);
    void newsBoxClicked(bool ticked);
    void openSetup();
    void hangUp();
    void endProgram();
    void hideToTray();
    void savePosition();
    void setHeightTwips(int twips);
    void keepAbove(bool above);

    MainWindowServices services_;
    QString dataFolder_;
    Placement placement_ = Placement::InTray;
    QString costText_ = QStringLiteral("0"); // empty while the cost is unknown

    SegmentDisplay* costDisplay_ = nullptr;
    QLabel* currencyLabel_ = nullptr;
    QLabel* liraMark_ = nullptr;
    QLabel* euroMark_ = nullptr;
    QLabel* lineLabel_ = nullptr;
    QLabel* elapsedLabel_ = nullptr;
    QLabel* iconLabel_ = nullptr;
    QWidget* newsBoxArea_ = nullptr;
    QCheckBox* newsBox_ = nullptr;
    DropDownButton* menuButton_ = nullptr;
    FlatButton* closeButton_ = nullptr;
    NewsPanel* newsPanel_ = nullptr;
    MainMenu* menu_ = nullptr;

    Currency currency_ = Currency::Lire;
    std::unique_ptr<MonitorSession> session_;
};

} // namespace zrt
