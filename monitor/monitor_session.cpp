#include "monitor_session.h"

namespace zrt {

MonitorSession::MonitorSession(const QString& databasePath, DialUpService& dialUp, Clock& clock,
                               MonitorDisplay& display, std::function<void()> afterTick)
    : database_(databasePath),
      log_(database_),
      tariffs_(database_),
      monitor_({dialUp, clock, log_, tariffs_, display}),
      timer_(monitor_, std::move(afterTick))
{
}

void MonitorSession::start()
{
    monitor_.start();
    timer_.start();
}

void MonitorSession::stop()
{
    timer_.stop();
    monitor_.shutDown();
}

} // namespace zrt
