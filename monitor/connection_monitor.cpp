#include "connection_monitor.h"

#include "checkpoint_policy.h"
#include "monitor_log.h"
#include "open_row_recovery.h"

#include "database/database_error.h"
#include "engine/elapsed_time.h"

#include <cmath>

namespace zrt {

namespace {

QString qtText(const std::string& text)
{
    return QString::fromStdString(text);
}

// The company of the tariff when it prices the connection's start.
QString servizioOf(const PricingTerms& terms, LocalDateTime start)
{
    return readingAtStart(terms, start) ? qtText(terms.tariff->compagnia) : kServizioNonDisponibile;
}

} // namespace

ConnectionMonitor::ConnectionMonitor(MonitorServices services)
    : services_(services)
    , meter_(services.display)
    , writer_(services.log, [this](RowClosing& row) { return priceEnded(row); })
{
}

void ConnectionMonitor::start()
{
    entries_ = services_.dialUp.entries();
    recover(services_.clock.now());
}

void ConnectionMonitor::tick()
{
    const Instant now = services_.clock.now();
    if (!recovered_ && !recover(now))
        return;
    if (writer_.retryPending() > 0)
        services_.display.logChanged();
    if (services_.dialUp.isDialUpActive())
        followConnection(now);
    else
        showNoConnection(now);
}

void ConnectionMonitor::meterTick()
{
    if (!meterRunning())
        return;
    meter_.tick(state_, terms_, services_.clock.now().epochMs);
    checkpointIfDue();
}

void ConnectionMonitor::hangUp()
{
    services_.dialUp.hangUpAll();
}

void ConnectionMonitor::shutDown()
{
    const Instant now = services_.clock.now();
    if (meterRunning()) {
        meter_.tick(state_, terms_, now.epochMs);
        endConnection(now);
    }
    writer_.retryPending();
    if (writer_.hasPending())
        qCWarning(monitorLog) << "some connection log rows could not be completed;"
                              << "the rows already begun are completed at the next start";
}

bool ConnectionMonitor::recover(const Instant& now)
{
    const std::optional<std::string> entry =
        services_.dialUp.isDialUpActive() ? findConnectedEntry() : std::nullopt;
    try {
        const Recovery recovery =
            recoverOpenRows(services_.log, writer_, services_.clock, now, entry ? qtText(*entry) : QString());
        recovered_ = true;
        if (recovery.closedAny)
            services_.display.logChanged();
        if (recovery.resumed)
            resume(*entry, *recovery.resumed);
    } catch (const DatabaseError& error) {
        logSkipped("settling the rows left open", error);
    }
    return recovered_;
}

void ConnectionMonitor::resume(const std::string& entry, const ResumedRow& row)
{
    state_.connected = true;
    state_.recordId = row.id;
    state_.entry = entry;
    state_.startTime = row.start;
    state_.startEpochMs = services_.clock.epochMsAt(row.start);
    state_.pulses = row.figures.scatti;
    state_.elapsedSeconds = row.figures.secondi;
    state_.costLire = static_cast<double>(row.figures.costo);
    state_.checkpointedSeconds = row.figures.secondi;
    refreshTerms(entry);
    services_.display.showCost(QString::fromStdString(meterCostText(state_.costLire, services_.display.currency())));
}

void ConnectionMonitor::showNoConnection(const Instant& now)
{
    services_.display.setHangUpEnabled(false);
    services_.display.showConnection(kNonConnesso);
    endConnection(now);
}

void ConnectionMonitor::followConnection(const Instant& now)
{
    showNewsOnce();
    services_.display.setHangUpEnabled(true);
    const std::optional<std::string> entry = findConnectedEntry();
    if (!entry) {
        // A line none of the entries accounts for is not metered.
        services_.display.showConnection(kNonConnesso);
        endConnection(now);
        return;
    }
    services_.display.showConnection(kConnessioneAttiva + qtText(*entry));
    if (state_.connected && state_.entry != *entry)
        endConnection(now); // the line now belongs to another entry
    refreshTerms(*entry);
    if (!state_.connected)
        beginConnection(*entry, now);
    else if (!state_.recordId)
        beginRowLate(now);
}

// The row of a connection begun while the file was locked gets the figures
// metered meanwhile at once: waiting for the next checkpoint would leave a
// crash in between to lose all of that time.
void ConnectionMonitor::beginRowLate(const Instant& now)
{
    state_.recordId = writer_.open(rowStart());
    if (!state_.recordId || !termsRead_)
        return;
    meter_.tick(state_, terms_, now.epochMs);
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
std::optional<std::string> ConnectionMonitor::lastConnectedEntry() const
{
    std::optional<std::string> found;
    for (const std::string& entry : entries_) {
        if (!entry.empty() && services_.dialUp.isEntryConnected(entry))
            found = entry;
    }
    return found;
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
    state_.startEpochMs = now.epochMs;
    state_.recordId = writer_.open(rowStart());
    const std::optional<MeterReading> atStart = readingAtStart(terms_, state_.startTime);
    state_.costLire = atStart ? atStart->costLire : 0;
    services_.display.showCost(startCostText(state_.costLire, services_.display.currency()));
    state_.pulses = 0;
    state_.elapsedSeconds = 0;
    state_.checkpointedSeconds = 0;
    services_.display.showElapsed(QString::fromStdString(elapsedTimeText(0)));
}

void ConnectionMonitor::endConnection(const Instant& now)
{
    if (!state_.connected)
        return;
    if (writer_.close({state_.recordId, rowStart(), now.local.time, logFiguresOf(state_), !termsRead_}))
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
    if (writer_.checkpoint(*state_.recordId, logFiguresOf(state_)))
        state_.checkpointedSeconds = state_.elapsedSeconds;
}

RowStart ConnectionMonitor::rowStart() const
{
    return {qtText(state_.entry), state_.startTime, servizioOf(terms_, state_.startTime)};
}

// An unpriced row is priced over its whole time by the tariff of its entry,
// once that can be read.
bool ConnectionMonitor::priceEnded(RowClosing& row)
{
    PricingTerms terms;
    try {
        terms = services_.tariffs.termsFor(row.start.entry);
    } catch (const DatabaseError& error) {
        logSkipped("pricing an ended connection", error);
        return false;
    }
    row.start.servizio = servizioOf(terms, row.start.start);
    const std::optional<MeterReading> reading =
        terms.tariff ? priceConnection(*terms.tariff, row.start.start, row.figures.secondi, terms.vatRate)
                     : std::nullopt;
    if (reading) {
        row.figures.costo = std::llround(reading->costLire);
        row.figures.scatti = reading->pulses;
    }
    return true;
}

void ConnectionMonitor::logSkipped(const char* step, const DatabaseError& error)
{
    qCDebug(monitorLog) << step << "skipped:" << error.message();
}

} // namespace zrt
