// Monotonic time as the event loop sees it. A steady clock follows real time; a manual
// clock stands still until it is moved, so that everything scheduled on a loop that uses it
// (timers above all) runs deterministically, at exactly the times it is due.
#pragma once

#include <chrono>

namespace wayband::platform {

using Duration = std::chrono::steady_clock::duration;
using TimePoint = std::chrono::steady_clock::time_point;

// `when` + `delta`, held at the ends of the representable range instead of overflowing.
TimePoint AddSaturating(TimePoint when, Duration delta);

class Clock {
 public:
  virtual ~Clock() = default;

  // The current time; it never goes back.
  virtual TimePoint Now() const = 0;
  // Returns once Now() has reached `when`: a real clock sleeps, a manual clock moves there.
  virtual void WaitUntil(TimePoint when) = 0;
};

// Real time from the operating system's monotonic clock.
class SteadyClock final : public Clock {
 public:
  TimePoint Now() const override;
  void WaitUntil(TimePoint when) override;
};

// Time that only moves when told to. It starts at `start` (the clock's epoch by default).
class ManualClock final : public Clock {
 public:
  explicit ManualClock(TimePoint start = TimePoint{}) : now_(start) {}

  TimePoint Now() const override { return now_; }
  // Moves forward to `when`; a time in the past leaves the clock where it is.
  void WaitUntil(TimePoint when) override;
  // Moves forward by `delta`; a negative delta is ignored.
  void Advance(Duration delta);

 private:
  TimePoint now_;
};

}  // namespace wayband::platform
