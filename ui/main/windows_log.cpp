#include "windows_log.h"

namespace zrt {

Q_LOGGING_CATEGORY(windowsLog, "zrtellix.windows")

} // namespace zrt
