#include "arguments.h"
#include "commands.h"
#include "database_access.h"

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
    console.out << "Wrote " << terminalSafe(out) << ": \"" << terminalSafe(summary.compagnia) << "\", " << summary.tariffs << " tariff(s), "
                << summary.bands << " band(s)\n";
    return 0;
}

} // namespace zrt::cli
