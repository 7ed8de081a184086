#include "monitor_session.h"

namespace zrt {

MonitorSession::MonitorSession(const QString& databasePath, DialUpService& dialUp, Clock& clock,
                               MonitorDisplay& display, std::function<void()> afterTick)
    : database_(databasePath),
      log_(database_),
      tariffs_(database_),
      monitor_({dialUp, clock, log_, tariffs_, display}),
      timer_(monitor_, dialUp, std::move(afterTick))
{
}

void MonitorSession::start(MonitorTimer::News news)
{
    monitor_.start();
    timer_.start(news);
}

void MonitorSession::stop()
{
    timer_.stop();
    monitor_.shutDown();
}

} // namespace zrt
