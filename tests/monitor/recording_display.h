#pragma once

#include "monitor/monitor_display.h"

#include <QStringList>

namespace zrt::test {

// Keeps what the monitor shows, and plays the user's choice of currency.
class RecordingDisplay final : public MonitorDisplay {
public:
    void showConnection(const QString& text) override { caption = text; }
    void setHangUpEnabled(bool enabled) override { hangUpEnabled = enabled; }
    void showCost(const QString& text) override { costs.append(text); }
    void showMissingTariff(const QString& entry) override { costs.append(QStringLiteral("--- ") + entry); }
    void showElapsed(const QString& text) override { elapsed = text; }
    void showHangUpRefusal(const QString& text) override { refusals.append(text); }
    void showSpendingLevel(LimitLevel level) override { spendingLevel = level; }
    void warnSpendingLimit(const QString& text) override { spendingWarnings.append(text); }
    Currency currency() const override { return shownCurrency; }
    bool newsEnabled() const override { return false; }
    void openNewsPage() override {}
    void logChanged() override { ++logChanges; }

    QString cost() const { return costs.isEmpty() ? QString() : costs.last(); }

    QString caption;
    bool hangUpEnabled = false;
    QStringList costs;
    QString elapsed;
    QStringList refusals;
    LimitLevel spendingLevel = LimitLevel::Within;
    QStringList spendingWarnings;
    Currency shownCurrency = Currency::Lire;
    int logChanges = 0;
};

} // namespace zrt::test
