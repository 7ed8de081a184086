#include "windows_program.h"

#include "instance_lock.h"
#include "plugin_page_fetcher.h"
#include "program_icon.h"
#include "settings.h"
#include "start_up.h"
#include "user_dialogs.h"

#include "controls/link_opener.h"
#include "database/data_folder.h"
#include "database/database_error.h"
#include "dialup/dialup_factory.h"
#include "monitor/system_clock.h"
#include "ui/setup/xdg_autostart.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <optional>

namespace zrt {

namespace {

void identifyProgram()
{
    if (QCoreApplication::applicationVersion().isEmpty())
        QCoreApplication::setApplicationVersion(QStringLiteral(ZRT_PROJECT_VERSION));
    QApplication::setWindowIcon(programIcon());
    // The program lives on in the tray with no window shown.
    QApplication::setQuitOnLastWindowClosed(false);
}

std::optional<QString> dataFolder(const QString& commandLineDir, UserDialogs& dialogs)
{
    try {
        return prepareDataFolder(commandLineDir);
    } catch (const DatabaseError& error) {
        dialogs.warn(QStringLiteral("ZR Tellix 99 non può partire: manca la cartella dei dati.\n\n%1")
                         .arg(error.message()));
        return std::nullopt;
    }
}

int runStartUp(QApplication& application, const QString& folder, DialUpService& dialUp, UserDialogs& dialogs)
{
    SystemClock clock;
    Settings settings;
    XdgAutostart autostart = XdgAutostart::forThisSystem();
    PluginPageFetcher news;
    StartUp startUp(folder, {settings, dialUp, clock, autostart, dialogs, desktopLinkOpener(), news,
                             QSystemTrayIcon::isSystemTrayAvailable()});
    QObject::connect(&startUp, &StartUp::failed, &application, [] { QCoreApplication::exit(1); });
    QObject::connect(&startUp, &StartUp::programEndRequested, &application, &QCoreApplication::quit);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &startUp, &StartUp::end);
    startUp.begin();
    const int status = QApplication::exec();
    settings.sync();
    return status;
}

} // namespace

int runWindows(QApplication& application, const WindowOptions& options)
{
    identifyProgram();
    const InstanceLock lock(InstanceLock::runtimeFolder());
    if (lock.anotherCopyRunning())
        return 0;

    MessageBoxes dialogs;
    const DialUpServiceChoice dialUp = makeDialUpService(options.dialUpKind.toStdString());
    if (!dialUp.service) {
        dialogs.warn(QStringLiteral("ZR Tellix 99 non può partire: %1").arg(QString::fromStdString(dialUp.error)));
        return 1;
    }
    const std::optional<QString> folder = dataFolder(options.dataDir, dialogs);
    if (!folder)
        return 1;
    return runStartUp(application, *folder, *dialUp.service, dialogs);
}

} // namespace zrt
