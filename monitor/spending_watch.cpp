#include "spending_watch.h"

#include "monitor_log.h"

#include "database/database_error.h"

#include <QString>

#include <cmath>

namespace zrt {

namespace {

std::string monthKey(const Date& date)
{
    return QStringLiteral("%1-%2").arg(date.year, 4, 10, QLatin1Char('0')).arg(date.month, 2, 10, QLatin1Char('0')).toStdString();
}

bool sameMonth(const Date& a, const Date& b)
{
    return a.year == b.year && a.month == b.month;
}

} // namespace

void SpendingWatch::callStarted(const Date& today)
{
    callMonth_ = today;
    display_.showSpendingLevel(LimitLevel::Within);
    readMonth(today);
}

void SpendingWatch::update(const std::optional<double>& runningCostLire, const Date& today)
{
    if (!sameMonth(today, readOn_) || ++updatesSinceReading_ >= kUpdatesBetweenReadings)
        readMonth(today);
    const bool callCountsHere = sameMonth(today, callMonth_);
    if (!month_ || (callCountsHere && !runningCostLire))
        return;
    const qint64 spent = month_->closedCallsLire + (callCountsHere ? std::llround(*runningCostLire) : 0);
    const std::string month = monthKey(today);
    const LimitCheck check = checkSpendingLimit(spent, month_->limitLire, month_->given, month);
    display_.showSpendingLevel(check.level);
    if (!check.due)
        return;
    display_.warnSpendingLimit(spendingWarningText(*check.due, spent, month_->limitLire));
    (*check.due == LimitLevel::Reached ? month_->given.reached : month_->given.near) = month;
    try {
        source_->noteWarning(*check.due, month);
    } catch (const DatabaseError& error) {
        qCDebug(monitorLog) << "spending warning not noted:" << error.message();
    }
}

// A reading that fails keeps the month's last figures.
void SpendingWatch::readMonth(const Date& today)
{
    if (!sameMonth(today, readOn_))
        month_.reset();
    readOn_ = today;
    updatesSinceReading_ = 0;
    if (!source_)
        return;
    try {
        month_ = source_->read(today.year, today.month);
    } catch (const DatabaseError& error) {
        qCDebug(monitorLog) << "spending limit not read:" << error.message();
    }
    if (!month_)
        display_.showSpendingLevel(LimitLevel::Within);
}

} // namespace zrt
