#include "connection_list_printer.h"

#include <QCoreApplication>

namespace zrt {

PrintOutcome printConnectionList(const ConnectionListReport& report, const PrintDestination& destination)
{
    if (report.rows.isEmpty())
        return {PrintOutcome::Result::NothingToPrint,
                QCoreApplication::translate("zrt::PrintDestination", "No connections in %1: nothing to print.")
                    .arg(report.period)};
    return destination.print(kConnectionListTitle + QStringLiteral(" - ") + report.period,
                             [&report](QPainter& painter, QPagedPaintDevice& device) {
                                 return drawConnectionList(painter, device, report);
                             });
}

} // namespace zrt
