// CTimer: a window-less periodic timer for the controls (the mouse-leave poll, the
// colour-scheme poll). Setting Interval starts, restarts or stops it; while it runs,
// ThatTime is raised on the owning thread's event loop each time the interval elapses.
// All timers share the process-wide TimerRegistry, which maps system timer ids back to them.
#pragma once

#include <cstdint>

#include "platform/system_timer.h"
#include "wayband/event.h"

namespace wayband::platform {

class CTimer {
 public:
  CTimer() = default;
  // Releasing a timer stops it, as setting Interval to 0 does.
  ~CTimer() { SetInterval(0); }
  CTimer(const CTimer&) = delete;
  CTimer& operator=(const CTimer&) = delete;

  // Milliseconds between ticks; 0 while stopped.
  int32_t Interval() const { return interval_; }
  // Below 1: stops a running timer (a stopped one stays as it is). The current interval:
  // nothing happens, a running timer keeps its phase. Any other value: stops the old system
  // timer, if any, and starts a new one; when the system refuses it, the timer is stopped
  // with interval 0.
  void SetInterval(int32_t milliseconds);

  // The system timer behind a running timer; 0 while stopped.
  SystemTimerId SystemId() const { return systemId_; }

  // Raised each time the interval elapses. Handlers may change the interval of any timer,
  // this one included, and may destroy timers.
  Event<> ThatTime;

 private:
  void Stop();

  int32_t interval_ = 0;
  SystemTimerId systemId_ = 0;
};

}  // namespace wayband::platform
