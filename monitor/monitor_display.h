#pragma once

#include "engine/currency.h"
#include "engine/elapsed_time.h"
#include "engine/italian_number.h"
#include "engine/spending_limit.h"

#include <QCoreApplication>
#include <QString>

namespace zrt {

// The state of the line, in the user's language.
inline QString notConnectedCaption()
{
    return QCoreApplication::translate("zrt::MonitorDisplay", "Non connesso");
}

inline QString connectedCaption(const QString& entry)
{
    return QCoreApplication::translate("zrt::MonitorDisplay", "Connessione attiva %1").arg(entry);
}

inline QString missingTariffCaption(const QString& entry)
{
    return QCoreApplication::translate("zrt::MonitorDisplay", "Tariffa mancante per %1").arg(entry);
}

// "Tempo: 00:03:00", the time since the line came up.
inline QString elapsedCaption(long long elapsedSeconds)
{
    return QCoreApplication::translate("zrt::MonitorDisplay", "Tempo: %1")
        .arg(QString::fromStdString(elapsedTimeText(elapsedSeconds)));
}

// "Limite di spesa mensile: superato l'80% (8.000 di 10.000 Lire)".
inline QString spendingWarningText(LimitLevel level, qint64 spentLire, qint64 limitLire)
{
    const auto grouped = [](qint64 lire) {
        return QString::fromStdString(formatItalian(static_cast<double>(lire), pattern::kLire));
    };
    const QString text = level == LimitLevel::Reached
        ? QCoreApplication::translate("zrt::MonitorDisplay", "Limite di spesa mensile: superato il 100% (%1 di %2 Lire)")
        : QCoreApplication::translate("zrt::MonitorDisplay", "Limite di spesa mensile: superato l'80% (%1 di %2 Lire)");
    return text.arg(grouped(spentLire), grouped(limitLire));
}

// Where the monitor shows the line: the main window, or the status line of
// the headless program.
class MonitorDisplay {
public:
    virtual ~MonitorDisplay() = default;

    // The state of the line, as caption and tooltip.
    virtual void showConnection(const QString& caption) = 0;
    // The "Chiudi connessione" command is offered only while a line is up.
    virtual void setHangUpEnabled(bool enabled) = 0;
    virtual void showCost(const QString& text) = 0;
    // The connection of the entry has no band to price it: its cost is
    // unknown, and shown so ("---"), never as a number.
    virtual void showMissingTariff(const QString& entry) = 0;
    virtual void showElapsed(const QString& text) = 0;
    // The system refused to hang up; one line for each refusal.
    virtual void showHangUpRefusal(const QString& text) = 0;
    // How much of the monthly spending limit the month has used, shown with
    // the cost until the month ends or the limit is raised.
    virtual void showSpendingLevel(LimitLevel level) = 0;
    // The month passed 80 % or 100 % of the limit: said once each a month.
    virtual void warnSpendingLimit(const QString& text) = 0;

    // The currency the cost is shown in, as the user last chose it.
    virtual Currency currency() const = 0;
    // Whether the user wants the news page.
    virtual bool newsEnabled() const = 0;
    virtual void openNewsPage() = 0;

    // A row of the connection log was completed.
    virtual void logChanged() = 0;
};

} // namespace zrt
