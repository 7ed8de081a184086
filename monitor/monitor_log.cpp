#include "monitor_log.h"

namespace zrt {

Q_LOGGING_CATEGORY(monitorLog, "zrtellix.monitor")

} // namespace zrt
