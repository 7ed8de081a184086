#pragma once

#include "database/text_escaping.h"
#include "monitor/monitor_display.h"

#include <QCoreApplication>

#include <functional>
#include <optional>
#include <utility>

namespace zrt::app {

// The display of the headless program: the state of the line, the cost
// with its currency word and the elapsed time, as one line of text:
// "Connessione attiva Casa | 305 Lire | Tempo: 00:03:00", or
// "Tariffa mancante per Casa | tariffa mancante | Tempo: 00:03:00" while no
// band prices the connection. Always in Lire; the news page is never opened.
class StatusLine final : public MonitorDisplay {
    Q_DECLARE_TR_FUNCTIONS(zrt::app::StatusLine)

public:
    // `tell` gets what the user must read once, apart from the line: each
    // refusal to hang up and each spending limit warning.
    explicit StatusLine(std::function<void(const QString&)> tell = {}) : tell_(std::move(tell)) {}

    QString text() const;
    // The line when it is not the one last taken: a line is printed once,
    // however many ticks show it.
    std::optional<QString> takeChangedText();

    // Entry names reach a terminal: their control characters are shown
    // escaped, never sent raw.
    void showConnection(const QString& caption) override { caption_ = terminalSafe(caption); }
    void setHangUpEnabled(bool) override {}
    void showCost(const QString& text) override { cost_ = tr("%1 Lire").arg(text); }
    void showMissingTariff(const QString&) override { cost_ = tr("tariffa mancante"); }
    void showElapsed(const QString& text) override { elapsed_ = text; }
    void showHangUpRefusal(const QString& text) override
    {
        if (tell_)
            tell_(text);
    }
    void showSpendingLevel(LimitLevel) override {}
    void warnSpendingLimit(const QString& text) override
    {
        if (tell_)
            tell_(text);
    }
    Currency currency() const override { return Currency::Lire; }
    bool newsEnabled() const override { return false; }
    void openNewsPage() override {}
    void logChanged() override {}

private:
    std::function<void(const QString&)> tell_;
    QString lastTaken_;
    QString caption_ = notConnectedCaption();
    QString cost_ = tr("%1 Lire").arg(0);
    QString elapsed_ = elapsedCaption(0);
};

} // namespace zrt::app
