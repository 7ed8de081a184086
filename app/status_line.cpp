#include "status_line.h"

namespace zrt::app {

QString StatusLine::text() const
{
    return QStringLiteral("%1 | %2 | %3").arg(caption_, cost_, elapsed_);
}

std::optional<QString> StatusLine::takeChangedText()
{
    QString line = text();
    if (line == lastTaken_)
        return std::nullopt;
    lastTaken_ = line;
    return line;
}

} // namespace zrt::app
