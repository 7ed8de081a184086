#include "connection_list_printer.h"

#include <QPainter>
#include <QPrinter>
#include <QCoreApplication>

namespace zrt {

QString connectionListDocumentName(const ConnectionListReport& report)
{
    return kConnectionListTitle + QStringLiteral(" - ") + report.period;
}

bool paintConnectionList(QPrinter& printer, const ConnectionListReport& report)
{
    QPainter painter;
    return painter.begin(&printer) && drawConnectionList(painter, printer, report) && painter.end();
}

PrintOutcome printConnectionList(const ConnectionListReport& report, const PrintDestination& destination)
{
    if (report.rows.isEmpty())
        return {PrintOutcome::Result::NothingToPrint,
                QCoreApplication::translate("zrt::PrintDestination", "No connections in %1: nothing to print.")
                    .arg(report.period)};
    return destination.print(connectionListDocumentName(report),
                             [&report](QPainter& painter, QPagedPaintDevice& device) {
                                 return drawConnectionList(painter, device, report);
                             });
}

} // namespace zrt
