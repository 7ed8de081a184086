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

} // namespace

void SpendingWatch::callStarted(const Date& today, qint64 loggedLire)
{
    month_.reset();
    readOn_ = today;
    if (!source_)
        return;
    try {
        month_ = source_->read(today.year, today.month);
        if (month_)
            month_->closedCallsLire -= loggedLire;
    } catch (const DatabaseError& error) {
        qCDebug(monitorLog) << "spending limit not read:" << error.message();
    }
    display_.showSpendingLevel(LimitLevel::Within);
}

void SpendingWatch::update(const std::optional<double>& runningCostLire, const Date& today)
{
    if (!month_ || !runningCostLire)
        return;
    if (today.year != readOn_.year || today.month != readOn_.month)
        callStarted(today); // a new month: the call so far counts in the old one only
    const qint64 spent = month_->closedCallsLire + std::llround(*runningCostLire);
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

} // namespace zrt
