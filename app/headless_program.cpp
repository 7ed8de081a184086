#include "headless_program.h"

#include "options.h"
#include "status_line.h"
#include "status_output.h"
#include "termination_signals.h"

#include "database/association_store.h"
#include "database/data_folder.h"
#include "database/database_error.h"
#include "database/database.h"
#include "database/schema.h"
#include "dialup/dialup_factory.h"
#include "monitor/meter_lock.h"
#include "monitor/monitor_session.h"
#include "monitor/system_clock.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>
#include <optional>
#include <system_error>

namespace zrt::app {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(zrt::app::HeadlessProgram)
};

void printError(const QString& message)
{
    QTextStream(stderr) << "zrtellix: " << message << '\n';
}

std::optional<QString> databasePathIn(const QString& dataDir)
{
    try {
        return joinPath(prepareDataFolder(dataDir), kDatabaseFileName);
    } catch (const DatabaseError& error) {
        printError(error.message());
        return std::nullopt;
    }
}

// The database file opens and is brought up to date. A meter started with
// the session must not give up because another program holds the file for
// a moment: a locked file is tried again, waiting longer each time, for up
// to a minute.
bool prepareDatabase(const QString& path)
{
    constexpr std::chrono::seconds kPatience{60};
    std::chrono::seconds waited{0};
    std::chrono::seconds pause{1};
    for (;;) {
        try {
            Database database = Database::open(path);
            upgradeSchema(database);
            return true;
        } catch (const DatabaseError& error) {
            if (!error.isLocked() || waited >= kPatience) {
                printError(error.message());
                return false;
            }
            printError(Texts::tr("%1 è bloccato da un altro programma: nuovo tentativo tra %2 s")
                           .arg(path)
                           .arg(pause.count()));
        }
        std::this_thread::sleep_for(pause);
        waited += pause;
        pause = std::min(pause * 2, kPatience - waited + std::chrono::seconds(1));
    }
}

// A line is printed when it changes: at start, on each change of the
// line's state, and once a second while the meter counts. Once stdout is
// gone (a closed pipe) there is no one to report to: the program ends in
// order.
void printStatus(StatusOutput& output, StatusLine& statusLine)
{
    const std::optional<QString> line = statusLine.takeChangedText();
    if (line && output.write(line->toUtf8() + '\n') == StatusOutput::Result::Closed)
        QCoreApplication::quit();
}

// The backend's news is not listened to when the environment says so:
// the line is then checked once a second, as on a system without news.
MonitorTimer::News newsChoice()
{
    return qEnvironmentVariableIsSet("ZRTELLIX_IGNORE_DIALUP_NEWS") ? MonitorTimer::News::Ignored
                                                                     : MonitorTimer::News::Watched;
}

// Every entry of the phonebook gets the default tariff unless it has one,
// before the monitor looks for it.
void preparePhonebook(const DialUpService& dialUp, Database& database)
{
    const std::vector<std::string> entries = dialUp.entries();
    if (entries.empty())
        printError(Texts::tr("Non sono presenti connessioni di Accesso Remoto."));
    QStringList names;
    for (const std::string& entry : entries)
        names.append(QString::fromStdString(entry));
    try {
        AssociationStore(database).ensureAssociated(names);
    } catch (const DatabaseError& error) {
        printError(Texts::tr("alle connessioni non è stata associata una tariffa: %1").arg(error.message()));
    }
}

// The program ends well when every call is in the log, or safe in the
// journal that the next start writes to it.
int exitStatusFor(LogWriter::Pending pending, const QString& journalPath)
{
    switch (pending) {
    case LogWriter::Pending::None:
        return 0;
    case LogWriter::Pending::InJournal:
        printError(QStringLiteral("the database could not be written; the calls not yet in its log are kept in %1 "
                                  "and written to it at the next start")
                       .arg(journalPath));
        return 0;
    case LogWriter::Pending::Nowhere:
        break;
    }
    printError(QStringLiteral("neither the database nor %1 could be written: the calls listed above are not logged")
                   .arg(journalPath));
    return 1;
}

int monitorUntilSignalled(DialUpService& dialUp, const QString& databasePath)
{
    const TerminationSignals terminationSignals([](int) { QCoreApplication::quit(); });
    SystemClock clock;
    StatusLine statusLine(printError);
    StatusOutput output(STDOUT_FILENO);
    MonitorSession session(databasePath, dialUp, clock, statusLine, [&] { printStatus(output, statusLine); });
    try {
        preparePhonebook(dialUp, session.database().get());
    } catch (const DatabaseError& error) {
        printError(error.message());
    }
    session.start(newsChoice());
    QCoreApplication::exec();
    return exitStatusFor(session.stop(), session.journal().path());
}

} // namespace

int runHeadless(const Options& options)
{
    DialUpServiceChoice dialUp = makeDialUpService(options.dialUpKind.toStdString());
    if (!dialUp.service) {
        printError(QString::fromStdString(dialUp.error));
        return 1;
    }
    const std::optional<QString> databasePath = databasePathIn(options.dataDir);
    if (!databasePath)
        return 1;
    const MeterLock lock(*databasePath);
    if (lock.outcome() == MeterLock::Outcome::HeldByAnotherMeter) {
        printError(Texts::tr("un altro contascatti è già in funzione su %1").arg(*databasePath));
        return kAnotherMeterExitStatus;
    }
    if (!prepareDatabase(*databasePath))
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
