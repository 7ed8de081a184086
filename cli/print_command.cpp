#include "arguments.h"
#include "commands.h"
#include "database_access.h"

#include "database/connection_log.h"
#include "printing/connection_list_printer.h"
#include "printing/month_names.h"

namespace zrt::cli {

int runPrint(const QStringList& words, Console& console)
{
    const Arguments arguments(
        words, {{QStringLiteral("db"), QStringLiteral("year"), QStringLiteral("month"), QStringLiteral("pdf")}, {}, 0});
    const int year = arguments.requiredInteger(QStringLiteral("year"), 1, 9998);
    const int month = arguments.requiredInteger(QStringLiteral("month"), 1, 12);
    Database database = openExisting(databasePath(arguments));
    const ConnectionLog log(database);
    const ConnectionListReport report{log.month(year, month), periodText(year, month), log.monthTotal(year, month)};

    const PrintDestination destination = arguments.has(QStringLiteral("pdf"))
                                             ? PrintDestination::pdfFile(arguments.value(QStringLiteral("pdf")))
                                             : PrintDestination::defaultPrinter();
    const PrintOutcome outcome = printConnectionList(report, destination);
    if (outcome.result == PrintOutcome::Result::Failed) {
        console.err << "zrtellixctl: " << outcome.message << '\n';
        return 1;
    }
    console.out << outcome.message << '\n';
    return 0;
}

} // namespace zrt::cli
