#include "arguments.h"
#include "commands.h"
#include "database_access.h"
#include "tool_text.h"

#include "database/spending_limit_store.h"

namespace zrt::cli {

int runLimit(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db"), QStringLiteral("set")}, {QStringLiteral("clear")}, 0});
    if (arguments.has(QStringLiteral("set")) == arguments.has(QStringLiteral("clear")))
        throw UsageError(ToolText::tr("limit takes either --set LIRE or --clear"));
    Database database = openForWriting(databasePath(arguments));
    SpendingLimitStore store(database);
    if (arguments.has(QStringLiteral("clear"))) {
        store.clearLimit();
        console.out << ToolText::tr("No monthly spending limit") << '\n';
        return 0;
    }
    bool number = false;
    const qint64 lire = arguments.value(QStringLiteral("set")).toLongLong(&number);
    if (!number)
        throw UsageError(ToolText::tr("--set takes a whole number of Lire"));
    store.setLimit(lire);
    console.out << ToolText::tr("Monthly spending limit: %1 Lire").arg(lire) << '\n';
    return 0;
}

} // namespace zrt::cli
