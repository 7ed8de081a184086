#pragma once

#include <QLoggingCategory>

namespace zrt {

// Lines about steps of a tick that were skipped: invisible to the user,
// there for whoever looks at the program's output.
Q_DECLARE_LOGGING_CATEGORY(monitorLog)

} // namespace zrt
