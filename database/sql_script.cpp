#include "sql_script.h"

#include "database.h"

namespace zrt {

QStringList splitSqlScript(const QString& script)
{
    QStringList statements;
    QString current;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QStringLiteral("--")))
            continue;
        current += line + QLatin1Char('\n');
        if (trimmed.endsWith(QLatin1Char(';'))) {
            statements << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

void runSqlScript(Database& database, const QString& script)
{
    for (const QString& statement : splitSqlScript(script))
        database.query(statement);
}

} // namespace zrt
