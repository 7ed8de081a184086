#include "status_line.h"

namespace zrt::app {

QString StatusLine::text() const
{
    return QStringLiteral("%1 | %2 | %3").arg(caption_, cost_, elapsed_);
}

} // namespace zrt::app
