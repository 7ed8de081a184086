#pragma once

#include <QLoggingCategory>

namespace zrt {

// What the windows could not do without it being worth a message box:
// invisible to the user, there for whoever reads the program's output.
Q_DECLARE_LOGGING_CATEGORY(uiLog)

} // namespace zrt
