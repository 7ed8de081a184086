#include "monitor_session.h"

#include "monitor_log.h"

namespace zrt {

namespace {

QString rowText(const RowClosing& row)
{
    return QStringLiteral("%1 from %2 %3, %4 s, %5")
        .arg(row.start.connessione, QString::fromStdString(formatIsoDate(row.start.inizio.date)),
             QString::fromStdString(formatTimeOfDay(row.start.inizio.time)))
        .arg(row.figures.secondi)
        .arg(row.figures.costo ? QStringLiteral("%1 Lire").arg(*row.figures.costo) : QStringLiteral("cost unknown"));
}

// Whoever reads the program's output learns of every call not yet in the
// log, and where it is.
void logUnwritten(LogWriter::Pending pending, const std::vector<RowClosing>& rows, const QString& journalPath)
{
    for (const RowClosing& row : rows) {
        if (pending == LogWriter::Pending::InJournal)
            qCWarning(monitorLog).noquote() << "not yet in the log, kept in" << journalPath << "until the next start:"
                                            << rowText(row);
        else
            qCCritical(monitorLog).noquote() << "lost: neither the log nor" << journalPath
                                             << "could be written:" << rowText(row);
    }
}

} // namespace

MonitorSession::MonitorSession(const QString& databasePath, DialUpService& dialUp, Clock& clock,
                               MonitorDisplay& display, std::function<void()> afterTick)
    : database_(databasePath),
      log_(database_),
      tariffs_(database_),
      journal_(PendingJournal::pathFor(databasePath)),
      spending_(database_),
      monitor_({dialUp, clock, log_, tariffs_, display, &journal_, &spending_}),
      timer_(monitor_, dialUp, std::move(afterTick))
{
}

void MonitorSession::start(MonitorTimer::News news)
{
    monitor_.start();
    timer_.start(news);
}

LogWriter::Pending MonitorSession::stop()
{
    timer_.stop();
    const LogWriter::Pending pending = monitor_.shutDown();
    logUnwritten(pending, monitor_.unwrittenRows(), journal_.path());
    return pending;
}

} // namespace zrt
