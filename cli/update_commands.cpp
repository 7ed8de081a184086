#include "arguments.h"
#include "commands.h"
#include "database_access.h"
#include "tool_text.h"

#include "database/tariff_update.h"
#include "database/text_escaping.h"

namespace zrt::cli {

int runExportUpdate(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db"), QStringLiteral("company"), QStringLiteral("out")}, {}, 0});
    const QString company = arguments.required(QStringLiteral("company"));
    const QString out = arguments.required(QStringLiteral("out"));
    const Database database = openExisting(databasePath(arguments));
    const UpdateSummary summary = exportUpdate(database, company, out);
    console.out << ToolText::tr("Wrote %1: \"%2\", %3 tariff(s), %4 band(s)")
                       .arg(terminalSafe(out), terminalSafe(summary.compagnia), QString::number(summary.tariffs),
                            QString::number(summary.bands))
                << '\n';
    return 0;
}

} // namespace zrt::cli
