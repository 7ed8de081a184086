#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>


namespace zrt {

class Autostart;
class Clock;
class DialUpService;
class MainWindow;
class LinkOpener;
class PageFetcher;
class Settings;
class TrayIcon;
class UserMessages;
class IntroWindow;
class ManagementWindow;

struct StartUpServices {
    Settings& settings;
    DialUpService& dialUp;
    Clock& clock;
    Autostart& autostart;
    UserMessages& messages;
    LinkOpener& links;
    PageFetcher& news;
    bool trayAvailable = false;
};

// Brings the windows up and owns them. The intro window comes first; a
// second later the start-up step runs, once: the database file is brought
// up to date and a waiting tariff update offered, the main window is
// loaded (shown, or hidden behind the tray icon) and the management
// window, loaded hidden, gives every dial-up entry a tariff. The intro
// goes when the main window is loaded. A database that cannot
// be opened is reported and nothing else is shown.
class StartUp : public QObject {
    Q_OBJECT

public:
    StartUp(QString dataFolder, StartUpServices services);
    ~StartUp() override;

    // Shows the intro window, whose timer runs the step.
    void begin();
    // The start-up step; it runs once, however often it is called.
    void runStep();
    // At the program's end.
    void end();
    // Shows the strip and brings it to the front; asked before the start-up
    // step, once the step has loaded it.
    void bringToFront();

    IntroWindow* intro() const;
    MainWindow* mainWindow() const { return mainWindow_.get(); }
    TrayIcon* tray() const { return tray_.get(); }

signals:
    // The database could not be opened; the program should end.
    void failed();
    // The user ended the program from its menu.
    void programEndRequested();
    // The user guide should open at `page`.
    void guideRequested(const QString& page);

private:
    bool prepareDatabase(const QString& path);
    void showMainWindow(const QString& path);
    void showTrayIcon();
    void loadSetupWindow(const QString& path);
    void buildAssociationList();
    void closeIntro();

    QString dataFolder_;
    StartUpServices services_;
    bool stepStarted_ = false;
    bool frontRequested_ = false;
    QPointer<IntroWindow> intro_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<ManagementWindow> setupWindow_;
};

} // namespace zrt
