#include "window_log.h"

namespace zrt {

Q_LOGGING_CATEGORY(uiLog, "zrtellix.windows")

} // namespace zrt
