#include "arguments.h"
#include "tool_text.h"

namespace zrt::cli {

Arguments::Arguments(const QStringList& words, const Accepted& accepted)
{
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (!word.startsWith(QStringLiteral("--"))) {
            positionals_.append(word);
            continue;
        }
        const QString name = word.mid(2);
        if (accepted.flags.contains(name)) {
            values_.insert(name, QString());
        } else if (accepted.options.contains(name)) {
            if (i + 1 >= words.size())
                throw UsageError(ToolText::tr("option %1 needs a value").arg(word));
            values_.insert(name, words[++i]);
        } else {
            throw UsageError(ToolText::tr("unknown option %1").arg(word));
        }
    }
    if (positionals_.size() != accepted.positionals)
        throw UsageError(ToolText::tr("expected %1 argument(s), got %2")
                             .arg(accepted.positionals)
                             .arg(positionals_.size()));
}

QString Arguments::required(const QString& name) const
{
    if (!has(name))
        throw UsageError(ToolText::tr("option --%1 is required").arg(name));
    return value(name);
}

int Arguments::requiredInteger(const QString& name, int minimum, int maximum) const
{
    bool ok = false;
    const int number = required(name).toInt(&ok);
    if (!ok || number < minimum || number > maximum)
        throw UsageError(ToolText::tr("--%1 must be a whole number from %2 to %3").arg(name).arg(minimum).arg(maximum));
    return number;
}

} // namespace zrt::cli
