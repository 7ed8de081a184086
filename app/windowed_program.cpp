#include "windowed_program.h"

#include "show_request.h"

#include "ui/main/plugin_page_fetcher.h"
#include "ui/common/guide.h"
#include "ui/common/program_icon.h"
#include "ui/common/settings.h"
#include "ui/main/start_up.h"
#include "ui/common/database_error_text.h"
#include "ui/common/user_messages.h"
#include "ui/common/window_log.h"

#include "controls/link_opener.h"
#include "database/data_folder.h"
#include "database/database.h"
#include "database/database_error.h"
#include "dialup/dialup_factory.h"
#include "monitor/meter_lock.h"
#include "monitor/system_clock.h"
#include "ui/common/xdg_autostart.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextStream>
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

std::optional<QString> dataFolder(const QString& commandLineDir, UserMessages& messages)
{
    try {
        return prepareDataFolder(commandLineDir);
    } catch (const DatabaseError& error) {
        qCWarning(uiLog).noquote() << "The data folder cannot be prepared:" << error.message();
        messages.warn(nullptr, QCoreApplication::translate("zrt::WindowedProgram",
                                                           "ZR Tellix 99 non può partire: manca la cartella dei dati.\n\n%1")
                                   .arg(databaseErrorText(error)));
        return std::nullopt;
    }
}

// The options the autostart entry repeats: those that differ from the defaults.
QStringList startOptions(const WindowOptions& options)
{
    QStringList words;
    if (options.dialUpKind != QString::fromUtf8(kDefaultDialUpKind.data(), kDefaultDialUpKind.size()))
        words << QStringLiteral("--dialup") << options.dialUpKind;
    if (!options.dataDir.isEmpty())
        words << QStringLiteral("--data-dir") << QFileInfo(options.dataDir).absoluteFilePath();
    return words;
}

int runStartUp(QApplication& application, const QString& folder, DialUpService& dialUp, UserMessages& messages,
               const WindowOptions& options)
{
    SystemClock clock;
    Settings settings;
    XdgAutostart autostart = XdgAutostart::forThisSystem(startOptions(options));
    PluginPageFetcher news;
    StartUp startUp(folder, {settings, dialUp, clock, autostart, messages, desktopLinkOpener(), news,
                             QSystemTrayIcon::isSystemTrayAvailable()});
    QObject::connect(&startUp, &StartUp::failed, &application, [] { QCoreApplication::exit(1); });
    QObject::connect(&startUp, &StartUp::programEndRequested, &application, &QCoreApplication::quit);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &startUp, &StartUp::end);
    Guide guide(installedGuideFolder(guideLanguage()));
    application.installEventFilter(&guide);
    QObject::connect(&startUp, &StartUp::guideRequested, &guide, &Guide::open);
    ShowListener showListener(showSocketPath(joinPath(folder, kDatabaseFileName)));
    QObject::connect(&showListener, &ShowListener::showRequested, &startUp, &StartUp::bringToFront);
    showListener.listen();
    startUp.begin();
    const int status = QApplication::exec();
    settings.sync();
    return status;
}

} // namespace

int runWindows(QApplication& application, const WindowOptions& options)
{
    identifyProgram();
    UserMessages& messages = UserMessages::messageBoxes();
    const DialUpServiceChoice dialUp = makeDialUpService(options.dialUpKind.toStdString());
    if (!dialUp.service) {
        qCWarning(uiLog).noquote() << "The dial-up kind is refused:" << QString::fromStdString(dialUp.error);
        messages.warn(nullptr, QCoreApplication::translate("zrt::WindowedProgram",
                                                           "ZR Tellix 99 non può partire: il tipo di accesso remoto "
                                                           "\"%1\" scelto con --dialup non esiste.")
                                   .arg(options.dialUpKind));
        return 1;
    }
    const std::optional<QString> folder = dataFolder(options.dataDir, messages);
    if (!folder)
        return 1;
    const QString databasePath = joinPath(*folder, kDatabaseFileName);
    const MeterLock lock(databasePath);
    if (lock.outcome() == MeterLock::Outcome::HeldByAnotherMeter) {
        // A windowed meter brings its strip to the front; a headless one
        // has nothing to show.
        if (requestShow(showSocketPath(databasePath)))
            return 0;
        QTextStream(stderr) << "zrtellix: "
                            << QCoreApplication::translate("zrt::app::HeadlessProgram",
                                                           "un altro contascatti è già in funzione su %1")
                                   .arg(databasePath)
                            << '\n';
        return kAnotherMeterExitStatus;
    }
    return runStartUp(application, *folder, *dialUp.service, messages, options);
}

} // namespace zrt
