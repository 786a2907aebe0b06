// The event loop of a user-interface thread: posted tasks and periodic timers, run on the
// thread that owns the loop. Everything a control does in response to time (mouse-leave
// polls, animation steps, colour-scheme polls) arrives through here.
//
// One loop serves each thread. Creating a loop makes it the thread's current loop until it
// is destroyed; EventLoop::Current() returns that loop, or a loop on the steady clock that
// the thread creates the first time it asks and nothing else is current. A loop and
// everything scheduled on it belong to the thread that created it: no call may come from
// another thread.
//
// Timers are periodic and keep their phase: a timer started at time s with interval i is
// due at s + i, s + 2i, ... and each tick reschedules it to the first of those times after
// the tick's time. Due timers tick in order of due time, and timers due at the same time in
// the order they were started. With a manual clock, AdvanceClock() moves the clock to each
// due time in turn and delivers the tick there, so a timer due several times within one
// advance ticks each time. A real clock that fell behind (a handler that ran long) delivers
// one tick for the missed times, the way a window system's timer message does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <unordered_map>

#include "platform/clock.h"

namespace wayband::platform {

class EventLoop {
 public:
  using Task = std::function<void()>;
  // Non-zero, and never given to two timers that run at the same time anywhere in the process.
  using TimerId = uint32_t;
  using TimerCallback = std::function<void(TimerId)>;
  // Told that the loop has new work: a task was queued or a timer started, so the earliest
  // moment the loop must run again may have moved closer.
  using WakeHandler = std::function<void()>;

  static constexpr TimerId kNoTimer = 0;
  // Shorter intervals (zero, negative) are raised to this one.
  static constexpr Duration kMinimumInterval = std::chrono::milliseconds(1);

  // A loop on the steady clock.
  EventLoop();
  // A loop on `clock` (the steady clock when null).
  explicit EventLoop(std::unique_ptr<Clock> clock);
  ~EventLoop();
  EventLoop(const EventLoop&) = delete;
  EventLoop& operator=(const EventLoop&) = delete;

  // The calling thread's loop (see above).
  static EventLoop& Current();
  // The calling thread's loop that runs timer `id`, or null.
  static EventLoop* FindTimerLoop(TimerId id);

  Clock& GetClock() { return *clock_; }
  TimePoint Now() const { return clock_->Now(); }

  // Queues `task` to run on the loop after the tasks queued before it. Empty tasks are dropped.
  void PostTask(Task task);
  size_t PendingTaskCount() const { return tasks_.size(); }

  // Starts a periodic timer whose first tick is due one interval from now; `tick` receives
  // the timer's id. Returns kNoTimer (and starts nothing) for an empty callback or when the
  // process has no free id left.
  TimerId StartTimer(Duration interval, TimerCallback tick);
  // Stops timer `id`; false when this loop runs no such timer. A tick in progress completes.
  bool StopTimer(TimerId id);
  bool HasTimer(TimerId id) const { return timers_.contains(id); }
  size_t TimerCount() const { return timers_.size(); }

  // Runs tasks and timers, waiting on the clock between them, until Quit() is called from
  // something the loop runs. It also returns when nothing is left that could ever run (no
  // tasks, no timers), since nothing else on this thread could call Quit().
  void Run();
  // As Run(), but returns at the latest once `duration` has passed on the loop's clock,
  // after delivering what is due at that moment.
  void RunFor(Duration duration);
  // Makes the innermost Run()/RunFor() return once the task or tick in progress returns.
  void Quit() { quitRequested_ = true; }

  // A host whose own event loop drives this one (instead of Run) arms its wake-ups from
  // these: the handler (empty: none) runs after each PostTask and StartTimer, and
  // NextDueTime says when the earliest timer is due (nothing: no timer will come due).
  void SetWakeHandler(WakeHandler handler) { wake_ = std::move(handler); }
  std::optional<TimePoint> NextDueTime() const;

  // Lets pending work run without waiting: the tasks queued when called (tasks they post
  // wait for the next call), then each timer due now, once, in tick order. The clock does
  // not move.
  void ProcessPendingEvents();

  // Manual clocks only: moves the clock forward by `duration`, delivering on the way every
  // task and every tick that falls due, each tick with the clock set to its due time; the
  // clock ends `duration` ahead. Quit() does not stop it. Returns false, doing nothing, when
  // the loop's clock is not a manual clock.
  bool AdvanceClock(Duration duration);

 private:
  struct Timer {
    Duration interval;
    TimePoint due;
    uint64_t startOrder;  // ties between timers due at the same time go to the older one
    std::shared_ptr<TimerCallback> tick;
  };
  struct DueEntry {
    TimePoint due;
    uint64_t startOrder;
    TimerId id;
    bool operator<(const DueEntry& other) const {
      return due != other.due ? due < other.due : startOrder < other.startOrder;
    }
  };

  void RunUntil(std::optional<TimePoint> deadline, bool stopOnQuit);
  // Runs up to `count` tasks from the front of the queue (fewer when stopOnQuit and Quit()
  // was called).
  void RunQueuedTasks(size_t count, bool stopOnQuit);
  // Ticks the earliest timer due at `now`, if any, after rescheduling it.
  bool TickDueTimer(TimePoint now);
  void Schedule(TimerId id, Timer& timer, TimePoint due);
  void Wake();

  std::unique_ptr<Clock> clock_;
  std::deque<Task> tasks_;
  std::unordered_map<TimerId, Timer> timers_;
  std::set<DueEntry> schedule_;
  uint64_t nextStartOrder_ = 0;
  bool quitRequested_ = false;
  WakeHandler wake_;

  // The thread's loops, newest first (see Current()).
  EventLoop* older_ = nullptr;
  EventLoop* newer_ = nullptr;
};

}  // namespace wayband::platform
