#include "headless_program.h"

#include "options.h"
#include "status_line.h"
#include "termination_signals.h"

#include "database/association_store.h"
#include "database/data_folder.h"
#include "database/database_error.h"
#include "database/schema.h"
#include "monitor/connection_monitor.h"
#include "monitor/database_log_store.h"
#include "monitor/database_tariff_source.h"
#include "dialup/dialup_factory.h"
#include "monitor/monitor_database.h"
#include "monitor/monitor_timer.h"
#include "monitor/system_clock.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <optional>
#include <system_error>

namespace zrt::app {

namespace {

void printError(const QString& message)
{
    QTextStream(stderr) << "zrtellix: " << message << '\n';
}

std::optional<MonitorDatabase> openDatabase(const QString& dataDir)
{
    try {
        MonitorDatabase database(joinPath(prepareDataFolder(dataDir), kDatabaseFileName));
        upgradeSchema(database.get());
        return database;
    } catch (const DatabaseError& error) {
        printError(error.message());
        return std::nullopt;
    }
}

// Once stdout is gone (a closed pipe) there is no one to report to: the
// program ends in order.
void printStatus(const QString& line)
{
    const QByteArray text = line.toUtf8() + '\n';
    if (std::fputs(text.constData(), stdout) < 0 || std::fflush(stdout) != 0)
        QCoreApplication::quit();
}

// Every entry of the phonebook gets the default tariff unless it has one,
// before the monitor looks for it.
void preparePhonebook(const DialUpService& dialUp, MonitorDatabase& database)
{
    const std::vector<std::string> entries = dialUp.entries();
    if (entries.empty())
        printError(QString::fromUtf8(kNoDialUpEntriesMessage.data(), kNoDialUpEntriesMessage.size()));
    QStringList names;
    for (const std::string& entry : entries)
        names.append(QString::fromStdString(entry));
    try {
        AssociationStore(database.get()).ensureAssociated(names);
    } catch (const DatabaseError& error) {
        printError(QStringLiteral("the dial-up entries were not given a tariff: %1").arg(error.message()));
    }
}

int monitorUntilSignalled(DialUpService& dialUp, MonitorDatabase& database)
{
    const TerminationSignals terminationSignals([](int) { QCoreApplication::quit(); });
    preparePhonebook(dialUp, database);
    SystemClock clock;
    StatusLine statusLine;
    DatabaseLogStore log(database);
    DatabaseTariffSource tariffs(database);
    ConnectionMonitor monitor({dialUp, clock, log, tariffs, statusLine});
    monitor.start();

    MonitorTimer timer(monitor, [&statusLine] { printStatus(statusLine.text()); });
    timer.start();
    QCoreApplication::exec();
    timer.stop();
    monitor.shutDown();
    return 0;
}

} // namespace

int runHeadless(const Options& options)
{
    DialUpServiceChoice dialUp = makeDialUpService(options.dialUpKind.toStdString());
    if (!dialUp.service) {
        printError(QString::fromStdString(dialUp.error));
        return 1;
    }
    std::optional<MonitorDatabase> database = openDatabase(options.dataDir);
    if (!database)
        return 1;
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return monitorUntilSignalled(*dialUp.service, *database);
    } catch (const std::system_error& error) {
        printError(QString::fromLocal8Bit(error.what()));
        return 1;
    }
}

} // namespace zrt::app
