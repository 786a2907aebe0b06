#include "platform/clock.h"

#include <thread>

namespace wayband::platform {

TimePoint AddSaturating(TimePoint when, Duration delta) {
  if (delta > Duration::zero() && when > TimePoint::max() - delta) return TimePoint::max();
  if (delta < Duration::zero() && when < TimePoint::min() - delta) return TimePoint::min();
  return when + delta;
}

TimePoint SteadyClock::Now() const {
  return std::chrono::steady_clock::now();
}

void SteadyClock::WaitUntil(TimePoint when) {
  std::this_thread::sleep_until(when);
}

void ManualClock::WaitUntil(TimePoint when) {
  if (when > now_) now_ = when;
}

void ManualClock::Advance(Duration delta) {
  if (delta > Duration::zero()) now_ = AddSaturating(now_, delta);
}

}  // namespace wayband::platform
