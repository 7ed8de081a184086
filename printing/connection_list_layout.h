#pragma once

#include "database/connection_log.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace zrt {

inline const QString kConnectionListTitle = QStringLiteral("Stampa lista Connessioni ad Internet");

// What the log page prints: the rows in the order listed, the period as
// shown ("Dicembre 2026") and the period's total.
struct ConnectionListReport {
    QList<LogRow> rows;
    QString period;
    LogTotal total;
};

// Draws the list with a painter already active on the device: title, period,
// headings and one line per row, continued on further pages without
// headings, then the total. Returns false when the device refuses a page.
bool drawConnectionList(QPainter& painter, QPagedPaintDevice& device, const ConnectionListReport& report);

} // namespace zrt
