#pragma once

#include "database/text_escaping.h"
#include "monitor/monitor_display.h"

#include <QCoreApplication>

namespace zrt::app {

// The display of the headless program: the state of the line, the cost
// with its currency word and the elapsed time, as one line of text:
// "Connessione attiva Casa | 305 Lire | Tempo: 00:03:00", or
// "Tariffa mancante per Casa | tariffa mancante | Tempo: 00:03:00" while no
// band prices the connection. Always in Lire; the news page is never opened.
class StatusLine final : public MonitorDisplay {
    Q_DECLARE_TR_FUNCTIONS(zrt::app::StatusLine)

public:
    QString text() const;

    // Entry names reach a terminal: their control characters are shown
    // escaped, never sent raw.
    void showConnection(const QString& caption) override { caption_ = terminalSafe(caption); }
    void setHangUpEnabled(bool) override {}
    void showCost(const QString& text) override { cost_ = tr("%1 Lire").arg(text); }
    void showMissingTariff(const QString&) override { cost_ = tr("tariffa mancante"); }
    void showElapsed(const QString& text) override { elapsed_ = text; }
    Currency currency() const override { return Currency::Lire; }
    bool newsEnabled() const override { return false; }
    void openNewsPage() override {}
    void logChanged() override {}

private:
    QString caption_ = notConnectedCaption();
    QString cost_ = tr("%1 Lire").arg(0);
    QString elapsed_ = elapsedCaption(0);
};

} // namespace zrt::app
