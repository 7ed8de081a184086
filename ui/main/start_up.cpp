#include "start_up.h"

#include "main_window.h"
#include "intro_window.h"
#include "ui/common/program_icon.h"
#include "tariff_update_offer.h"
#include "tray_icon.h"
#include "ui/common/database_error_text.h"
#include "ui/common/user_messages.h"
#include "ui/common/window_log.h"

#include "database/data_folder.h"
#include "dialup/dialup_service.h"
#include "database/database.h"
#include "database/database_error.h"
#include "database/schema.h"
#include "ui/setup/management_window.h"

#include <QCoreApplication>

namespace zrt {

StartUp::StartUp(QString dataFolder, StartUpServices services)
    : dataFolder_(std::move(dataFolder)), services_(services)
{
}

StartUp::~StartUp()
{
    delete intro_;
}

IntroWindow* StartUp::intro() const
{
    return intro_;
}

void StartUp::begin()
{
    intro_ = new IntroWindow(QVersionNumber::fromString(QCoreApplication::applicationVersion()));
    intro_->setAttribute(Qt::WA_DeleteOnClose);
    connect(intro_, &IntroWindow::startUpDue, this, &StartUp::runStep);
    intro_->show();
}

void StartUp::runStep()
{
    if (stepStarted_)
        return;
    stepStarted_ = true;
    const QString path = joinPath(dataFolder_, kDatabaseFileName);
    if (!prepareDatabase(path)) {
        closeIntro();
        emit failed();
        return;
    }
    showMainWindow(path);
    loadSetupWindow(path);
    buildAssociationList();
}

void StartUp::bringToFront()
{
    if (mainWindow_)
        mainWindow_->showAtSavedPosition();
    else
        frontRequested_ = true;
}

void StartUp::end()
{
    if (mainWindow_)
        mainWindow_->unload();
}

// Nothing goes on with a database that could not be opened or brought up
// to date: the user is told which file and what is wrong with it.
bool StartUp::prepareDatabase(const QString& path)
{
    try {
        Database database = Database::open(path);
        if (upgradeSchema(database))
            qCInfo(uiLog) << "the bands of" << path << "can now have a second price";
        offerTariffUpdate(database, dataFolder_, services_.settings, services_.messages);
        return true;
    } catch (const DatabaseError& error) {
        qCWarning(uiLog).noquote() << "The database cannot be opened:" << error.message();
        services_.messages.warn(
            nullptr, tr("ZR Tellix 99 non può partire: il database delle tariffe %1 non è utilizzabile.\n\n%2")
                         .arg(path, databaseErrorText(error)));
        return false;
    }
}

void StartUp::showMainWindow(const QString& path)
{
    mainWindow_ = std::make_unique<MainWindow>(MainWindowServices{services_.settings, services_.dialUp,
                                                                  services_.clock, services_.autostart,
                                                                  services_.messages, services_.links, services_.news},
                                               dataFolder_, path);
    connect(mainWindow_.get(), &MainWindow::loaded, this, &StartUp::closeIntro);
    connect(mainWindow_.get(), &MainWindow::programEndRequested, this, &StartUp::programEndRequested);
    connect(mainWindow_.get(), &MainWindow::guideRequested, this, &StartUp::guideRequested);
    if (services_.trayAvailable)
        showTrayIcon();
    mainWindow_->load(services_.trayAvailable ? MainWindow::Placement::InTray : MainWindow::Placement::SavedPosition);
    if (frontRequested_)
        mainWindow_->showAtSavedPosition();
}

void StartUp::showTrayIcon()
{
    tray_ = std::make_unique<TrayIcon>(programIcon());
    connect(tray_.get(), &TrayIcon::showWindowRequested, mainWindow_.get(), &MainWindow::showAtSavedPosition);
    connect(tray_.get(), &TrayIcon::menuRequested, mainWindow_.get(), &MainWindow::popUpMenu);
    connect(mainWindow_.get(), &MainWindow::toolTipChanged, tray_.get(), &TrayIcon::setToolTip);
    connect(mainWindow_.get(), &MainWindow::trayMessageRequested, tray_.get(), &TrayIcon::showMessage);
    tray_->show();
}

void StartUp::loadSetupWindow(const QString& path)
{
    // A window of the strip's: window managers keep it, and the dialogs it
    // opens, above the strip that stays on top of the others.
    setupWindow_ = std::make_unique<ManagementWindow>(path, QCoreApplication::applicationFilePath(), services_.autostart,
                                                      services_.settings, services_.messages, mainWindow_.get());
    // The phonebook is read again each time, so an entry made meanwhile is
    // listed with its tariff.
    connect(mainWindow_.get(), &MainWindow::setupRequested, this, [this] {
        buildAssociationList();
        setupWindow_->showFromMainWindow();
    });
    connect(mainWindow_.get(), &MainWindow::closeSetupRequested, setupWindow_.get(), &QWidget::hide);
    connect(mainWindow_.get(), &MainWindow::connectionLogChanged, setupWindow_.get(), &ManagementWindow::reloadLog);
    setupWindow_->setCurrency(mainWindow_->currency());
    connect(mainWindow_.get(), &MainWindow::currencyChanged, setupWindow_.get(), &ManagementWindow::setCurrency);
}

// Every entry of the phonebook has a tariff before the monitor needs one.
void StartUp::buildAssociationList()
{
    QStringList entries;
    for (const std::string& entry : services_.dialUp.entries())
        entries.append(QString::fromStdString(entry));
    setupWindow_->buildAssociationList(entries);
}

void StartUp::closeIntro()
{
    if (intro_)
        intro_->close();
}

} // namespace zrt
