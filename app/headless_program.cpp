#include "headless_program.h"

#include "options.h"
#include "status_line.h"
#include "termination_signals.h"

#include "database/association_store.h"
#include "database/data_folder.h"
#include "database/database_error.h"
#include "database/database.h"
#include "database/schema.h"
#include "dialup/dialup_factory.h"
#include "monitor/monitor_session.h"
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

// The path of a database file that opens and is up to date.
std::optional<QString> prepareDatabase(const QString& dataDir)
{
    try {
        const QString path = joinPath(prepareDataFolder(dataDir), kDatabaseFileName);
        Database database = Database::open(path);
        upgradeSchema(database);
        return path;
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
void preparePhonebook(const DialUpService& dialUp, Database& database)
{
    const std::vector<std::string> entries = dialUp.entries();
    if (entries.empty())
        printError(QString::fromUtf8(kNoDialUpEntriesMessage.data(), kNoDialUpEntriesMessage.size()));
    QStringList names;
    for (const std::string& entry : entries)
        names.append(QString::fromStdString(entry));
    try {
        AssociationStore(database).ensureAssociated(names);
    } catch (const DatabaseError& error) {
        printError(QStringLiteral("the dial-up entries were not given a tariff: %1").arg(error.message()));
    }
}

int monitorUntilSignalled(DialUpService& dialUp, const QString& databasePath)
{
    const TerminationSignals terminationSignals([](int) { QCoreApplication::quit(); });
    SystemClock clock;
    StatusLine statusLine;
    MonitorSession session(databasePath, dialUp, clock, statusLine,
                           [&statusLine] { printStatus(statusLine.text()); });
    try {
        preparePhonebook(dialUp, session.database().get());
    } catch (const DatabaseError& error) {
        printError(error.message());
    }
    session.start();
    QCoreApplication::exec();
    session.stop();
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
    const std::optional<QString> databasePath = prepareDatabase(options.dataDir);
    if (!databasePath)
        return 1;
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return monitorUntilSignalled(*dialUp.service, *databasePath);
    } catch (const std::system_error& error) {
        printError(QString::fromLocal8Bit(error.what()));
        return 1;
    }
}

} // namespace zrt::app
