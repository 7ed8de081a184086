#include "connection_monitor.h"

#include "checkpoint_policy.h"
#include "monitor_log.h"
#include "open_row_recovery.h"

#include "database/database_error.h"

#include <algorithm>
#include <cmath>

namespace zrt {

namespace {

QString qtText(const std::string& text)
{
    return QString::fromStdString(text);
}

// The company of the tariff once it prices the connection.
QString servizioOf(const PricingTerms& terms, bool priced)
{
    return priced ? qtText(terms.tariff->compagnia) : kServizioNonDisponibile;
}

std::optional<qint64> wholeLire(const std::optional<MeterReading>& reading)
{
    return reading ? std::optional<qint64>(std::llround(reading->costLire)) : std::nullopt;
}

// What the log keeps to tell this connection from a redial of its entry.
std::optional<QString> connectionText(const std::optional<ConnectionIdentity>& identity)
{
    if (!identity)
        return std::nullopt;
    if (identity->id)
        return qtText(*identity->id);
    if (identity->interfaceName)
        return qtText(*identity->interfaceName);
    return std::nullopt;
}

} // namespace

ConnectionMonitor::ConnectionMonitor(MonitorServices services)
    : services_(services)
    , meter_(services.display, services.clock.zone())
    , spending_(services.spending, services.display)
    , writer_(services.log, [this](RowClosing& row) { return priceEnded(row); }, services.journal)
{
}

void ConnectionMonitor::start()
{
    entries_ = services_.dialUp.entries();
    writer_.takeUpJournal();
    recover(services_.clock.now());
}

void ConnectionMonitor::tick()
{
    showHangUpRefusal();
    const Instant now = services_.clock.now();
    if (!recovered_ && !recover(now))
        return;
    if (writer_.retryPending() > 0)
        services_.display.logChanged();
    if (services_.dialUp.isDialUpActive())
        followConnection(now);
    else
        showNoConnection();
}

void ConnectionMonitor::meterTick()
{
    if (!meterRunning())
        return;
    const Instant now = services_.clock.now();
    meter_.tick(state_, terms_, now.steadyMs);
    spending_.update(state_.costLire, now.local.date);
    noteCompany();
    readTraffic();
    checkpointIfDue();
}

void ConnectionMonitor::hangUp()
{
    services_.dialUp.hangUpAll();
    showHangUpRefusal();
}

LogWriter::Pending ConnectionMonitor::shutDown()
{
    const Instant now = services_.clock.now();
    if (meterRunning()) {
        meter_.tick(state_, terms_, now.steadyMs);
        readTraffic();
        endConnection();
    }
    if (recovered_) // else the rows taken up from the journal are not yet matched to the file
        writer_.retryPending();
    return writer_.pendingState();
}

bool ConnectionMonitor::recover(const Instant& now)
{
    const std::optional<std::string> entry =
        services_.dialUp.isDialUpActive() ? findConnectedEntry() : std::nullopt;
    try {
        const Recovery recovery =
            recoverOpenRows(services_.log, writer_, services_.clock.zone(), now, entry ? qtText(*entry) : QString(),
                            entry ? connectionText(services_.dialUp.connectionOf(*entry)) : std::nullopt);
        recovered_ = true;
        if (recovery.closedAny)
            services_.display.logChanged();
        if (recovery.resumed)
            resume(*entry, *recovery.resumed, now);
    } catch (const DatabaseError& error) {
        logSkipped("settling the rows left open", error);
    }
    return recovered_;
}

// The connection went on while the program was not running: its seconds
// are those checkpointed plus the time since, as the wall clock tells it
// (recovery only resumes a row whose gap is within the resume window).
void ConnectionMonitor::resume(const std::string& entry, const ResumedRow& row, const Instant& now)
{
    state_.connected = true;
    state_.recordId = row.id;
    state_.entry = entry;
    state_.startTime = row.start;
    state_.startUtc = row.startUtc;
    state_.servizio = row.servizio;
    state_.collegamento = connectionText(services_.dialUp.connectionOf(entry));
    state_.elapsedSeconds = row.figures.secondi + row.gapSeconds;
    state_.steadyZeroMs = now.steadyMs - state_.elapsedSeconds * 1000;
    state_.checkpointedSeconds = row.figures.secondi;
    // What flowed while no program watched is lost; the count goes on
    // from what was checkpointed.
    state_.received = ByteCount(row.figures.byteRicevuti);
    state_.sent = ByteCount(row.figures.byteInviati);
    readTraffic();
    refreshTerms(entry);
    meter_.price(state_, terms_);
    meter_.showCost(state_);
    spending_.callStarted(now.local.date);
}

void ConnectionMonitor::showHangUpRefusal()
{
    if (const std::optional<std::string> refusal = services_.dialUp.takeHangUpRefusal())
        services_.display.showHangUpRefusal(qtText(*refusal));
}

void ConnectionMonitor::showNoConnection()
{
    services_.display.setHangUpEnabled(false);
    services_.display.showConnection(idleCaption());
    endConnection();
}

// While the backend's facility is gone, no line can be seen: the user is
// told why rather than "Non connesso".
QString ConnectionMonitor::idleCaption() const
{
    const DialUpAvailability availability = services_.dialUp.availability();
    return availability.isAvailable() ? notConnectedCaption() : qtText(availability.message);
}

void ConnectionMonitor::followConnection(const Instant& now)
{
    showNewsOnce();
    services_.display.setHangUpEnabled(true);
    const std::optional<std::string> entry = findConnectedEntry();
    if (!entry) {
        // A line none of the entries accounts for is not metered.
        services_.display.showConnection(idleCaption());
        endConnection();
        return;
    }
    if (state_.connected && state_.entry != *entry)
        endConnection(); // the line now belongs to another entry
    refreshTerms(*entry);
    if (!state_.connected)
        beginConnection(*entry, now);
    else if (!state_.recordId)
        beginRowLate(now);
    const QString name = qtText(*entry);
    services_.display.showConnection(state_.priced() ? connectedCaption(name) : missingTariffCaption(name));
}

// The row of a connection begun while the file was locked gets the figures
// metered meanwhile at once: waiting for the next checkpoint would leave a
// crash in between to lose all of that time.
void ConnectionMonitor::beginRowLate(const Instant& now)
{
    state_.recordId = writer_.open(rowStart());
    if (!state_.recordId || !termsRead_)
        return;
    meter_.tick(state_, terms_, now.steadyMs);
    noteCompany();
    checkpointIfDue();
}

void ConnectionMonitor::showNewsOnce()
{
    if (services_.display.newsEnabled() && !state_.newsShown)
        services_.display.openNewsPage();
    state_.newsShown = true;
}

// An entry made after the phonebook was read is found by reading it again.
std::optional<std::string> ConnectionMonitor::findConnectedEntry()
{
    if (std::optional<std::string> entry = lastConnectedEntry())
        return entry;
    entries_ = services_.dialUp.entries();
    return lastConnectedEntry();
}

// With several entries connected, the last one in phonebook order counts.
// The dialer's state is read once for the whole phonebook.
std::optional<std::string> ConnectionMonitor::lastConnectedEntry() const
{
    const std::vector<std::string> connected = services_.dialUp.connectedEntries(entries_);
    const auto last = std::find_if(connected.rbegin(), connected.rend(),
                                   [](const std::string& entry) { return !entry.empty(); });
    return last == connected.rend() ? std::nullopt : std::optional<std::string>(*last);
}

void ConnectionMonitor::refreshTerms(const std::string& entry)
{
    try {
        terms_ = services_.tariffs.termsFor(qtText(entry));
        termsRead_ = true;
    } catch (const DatabaseError& error) {
        logSkipped("reading the tariff of the entry", error);
    }
}

void ConnectionMonitor::beginConnection(const std::string& entry, const Instant& now)
{
    state_.connected = true;
    state_.entry = entry;
    state_.startTime = now.local;
    state_.startUtc = now.epochMs / 1000;
    state_.steadyZeroMs = now.steadyMs;
    state_.collegamento = connectionText(services_.dialUp.connectionOf(entry));
    state_.elapsedSeconds = 0;
    state_.checkpointedSeconds = 0;
    state_.received = {};
    state_.sent = {};
    readTraffic();
    spending_.callStarted(now.local.date);
    meter_.price(state_, terms_);
    state_.servizio = servizioOf(terms_, state_.priced());
    state_.recordId = writer_.open(rowStart());
    if (state_.costLire)
        services_.display.showCost(startCostText(*state_.costLire, services_.display.currency()));
    else
        meter_.showCost(state_);
    services_.display.showElapsed(elapsedCaption(0));
}

// A connection that had no band gets its company in the log once a band
// prices it (the user fixed the tariff or the association meanwhile).
void ConnectionMonitor::noteCompany()
{
    const QString servizio = servizioOf(terms_, state_.priced());
    if (servizio == state_.servizio)
        return;
    if (state_.recordId && !writer_.setServizio(*state_.recordId, servizio))
        return;
    state_.servizio = servizio;
}

// The counters are read while the line is up; a ppp interface is gone by
// the time the drop is seen, so the last good reading is what counts.
void ConnectionMonitor::readTraffic()
{
    const std::optional<TrafficCounters> counters = services_.dialUp.trafficOf(state_.entry);
    state_.received.read(counters ? std::optional(counters->received) : std::nullopt);
    state_.sent.read(counters ? std::optional(counters->sent) : std::nullopt);
}

void ConnectionMonitor::endConnection()
{
    if (!state_.connected)
        return;
    const TimeOfDay fine = services_.clock.zone().toLocal(state_.startUtc + state_.elapsedSeconds).time;
    if (writer_.close({state_.recordId, rowStart(), fine, logFiguresOf(state_), !termsRead_}))
        services_.display.logChanged();
    state_.connected = false;
    state_.recordId.reset();
    terms_ = {};
    termsRead_ = false;
}

void ConnectionMonitor::checkpointIfDue()
{
    if (!state_.recordId || !checkpointDue(state_.elapsedSeconds, state_.checkpointedSeconds))
        return;
    switch (writer_.checkpoint(*state_.recordId, logFiguresOf(state_))) {
    case LogWriter::Write::Done:
        state_.checkpointedSeconds = state_.elapsedSeconds;
        break;
    case LogWriter::Write::RowGone:
        recreateRow();
        break;
    case LogWriter::Write::Failed:
        break;
    }
}

// The row of the running call was deleted by another program, or the file
// was replaced (a backup restored): the call gets a row again, with its
// start and everything metered so far.
void ConnectionMonitor::recreateRow()
{
    qCWarning(monitorLog) << "the log row of the connection of" << qtText(state_.entry)
                          << "is gone (deleted, or the file was replaced): it is written again";
    state_.recordId = writer_.open(rowStart(), logFiguresOf(state_));
    if (state_.recordId)
        state_.checkpointedSeconds = state_.elapsedSeconds;
}

LogRowStart ConnectionMonitor::rowStart() const
{
    return {qtText(state_.entry), state_.startTime, state_.servizio, state_.startUtc, state_.collegamento};
}

// An unpriced row is priced over its whole time by the tariff of its entry,
// once that can be read.
bool ConnectionMonitor::priceEnded(RowClosing& row)
{
    PricingTerms terms;
    try {
        terms = services_.tariffs.termsFor(row.start.connessione);
    } catch (const DatabaseError& error) {
        logSkipped("pricing an ended connection", error);
        return false;
    }
    const qint64 startUtc =
        row.start.inizioUtc.value_or(utcOfLoggedStart(services_.clock.zone(), row.start.inizio));
    const std::optional<MeterReading> reading =
        readingOf(terms, services_.clock.zone(), startUtc, row.figures.secondi);
    row.start.servizio = servizioOf(terms, reading.has_value());
    row.figures.costo = wholeLire(reading);
    row.figures.scatti = reading ? std::optional<qint64>(reading->pulses) : std::nullopt;
    return true;
}

void ConnectionMonitor::logSkipped(const char* step, const DatabaseError& error)
{
    qCDebug(monitorLog) << step << "skipped:" << error.message();
}

} // namespace zrt
