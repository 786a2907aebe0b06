#include "platform/timer.h"

#include "platform/timer_registry.h"

namespace wayband::platform {

void CTimer::SetInterval(int32_t milliseconds) {
  if (milliseconds < 1) {
    Stop();
    return;
  }
  if (milliseconds == interval_) return;  // a running timer keeps its phase

  TimerRegistry& registry = TimerRegistry::Instance();
  if (interval_ != 0) {
    registry.Unregister(*this);
    systemId_ = 0;
  }
  interval_ = milliseconds;
  systemId_ = registry.Register(*this);
  if (systemId_ == 0) Stop();  // the system refused: stopped, interval 0
}

void CTimer::Stop() {
  if (interval_ <= 0) return;
  interval_ = 0;
  TimerRegistry::Instance().Unregister(*this);
  systemId_ = 0;
}

}  // namespace wayband::platform
