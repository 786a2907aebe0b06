#include "platform/event_loop.h"

#include <algorithm>
#include <limits>
#include <mutex>
#include <unordered_set>
#include <utility>

namespace wayband::platform {
namespace {

using TimerId = EventLoop::TimerId;

// Timer ids are unique across the process while their timers run, so that a registry that
// maps ids back to their owners never confuses two timers. An id returns to the pool when
// its timer stops; the counter wraps and skips ids still in use.
class TimerIdPool {
 public:
  TimerId Acquire() {
    std::lock_guard lock(mutex_);
    if (live_.size() >= kUsableIds) return EventLoop::kNoTimer;
    while (next_ == EventLoop::kNoTimer || live_.contains(next_))
      ++next_;
    const TimerId id = next_++;
    live_.insert(id);
    return id;
  }

  void Release(TimerId id) {
    std::lock_guard lock(mutex_);
    live_.erase(id);
  }

 private:
  static constexpr size_t kUsableIds = std::numeric_limits<TimerId>::max();  // all but 0

  std::mutex mutex_;
  std::unordered_set<TimerId> live_;
  TimerId next_ = 1;
};

// Never destroyed: loops and timers may stop during static destruction.
TimerIdPool& TimerIds() {
  static auto* pool = new TimerIdPool;
  return *pool;
}

// The thread's loops as a list, newest first; plain pointers so that the list outlives
// every loop of the thread whatever the destruction order.
thread_local EventLoop* t_newestLoop = nullptr;
// The loop a thread gets when it asks for one and has none.
thread_local std::unique_ptr<EventLoop> t_defaultLoop;

// The first of due + k * interval (k >= 1) later than `now`, or TimePoint::max() when
// that lies past the representable range: such a timer never comes due again. Unsigned
// arithmetic, since the span between two time points may not fit a signed count.
TimePoint NextPhaseAfter(TimePoint due, Duration interval, TimePoint now) {
  using Count = uint64_t;
  const auto count = [](TimePoint t) { return static_cast<Count>(t.time_since_epoch().count()); };
  const Count step = static_cast<Count>(interval.count());
  const Count behind = now < due ? 0 : count(now) - count(due);
  const Count periods = behind / step + 1;
  const Count headroom = count(TimePoint::max()) - count(due);
  if (periods > headroom / step) return TimePoint::max();
  return TimePoint(Duration(static_cast<Duration::rep>(count(due) + periods * step)));
}

}  // namespace

EventLoop::EventLoop() : EventLoop(nullptr) {}

EventLoop::EventLoop(std::unique_ptr<Clock> clock) : clock_(std::move(clock)) {
  if (!clock_) clock_ = std::make_unique<SteadyClock>();
  older_ = t_newestLoop;
  if (older_ != nullptr) older_->newer_ = this;
  t_newestLoop = this;
}

EventLoop::~EventLoop() {
  for (const auto& [id, timer] : timers_)
    TimerIds().Release(id);
  if (newer_ != nullptr) {
    newer_->older_ = older_;
  } else {
    t_newestLoop = older_;
  }
  if (older_ != nullptr) older_->newer_ = newer_;
}

EventLoop& EventLoop::Current() {
  if (t_newestLoop == nullptr) t_defaultLoop = std::make_unique<EventLoop>();
  return *t_newestLoop;
}

EventLoop* EventLoop::FindTimerLoop(TimerId id) {
  for (EventLoop* loop = t_newestLoop; loop != nullptr; loop = loop->older_) {
    if (loop->HasTimer(id)) return loop;
  }
  return nullptr;
}

void EventLoop::PostTask(Task task) {
  if (!task) return;
  tasks_.push_back(std::move(task));
  Wake();
}

EventLoop::TimerId EventLoop::StartTimer(Duration interval, TimerCallback tick) {
  if (!tick) return kNoTimer;
  const TimerId id = TimerIds().Acquire();
  if (id == kNoTimer) return kNoTimer;
  const Duration period = std::max(interval, kMinimumInterval);
  Timer timer{period, TimePoint::min(), nextStartOrder_++,
              std::make_shared<TimerCallback>(std::move(tick))};
  Timer& stored = timers_.emplace(id, std::move(timer)).first->second;
  Schedule(id, stored, AddSaturating(Now(), period));
  Wake();
  return id;
}

bool EventLoop::StopTimer(TimerId id) {
  const auto found = timers_.find(id);
  if (found == timers_.end()) return false;
  schedule_.erase(DueEntry{found->second.due, found->second.startOrder, id});
  timers_.erase(found);
  TimerIds().Release(id);
  return true;
}

void EventLoop::Run() {
  quitRequested_ = false;
  RunUntil(std::nullopt, true);
  quitRequested_ = false;
}

void EventLoop::RunFor(Duration duration) {
  quitRequested_ = false;
  RunUntil(AddSaturating(Now(), std::max(duration, Duration::zero())), true);
  quitRequested_ = false;
}

void EventLoop::ProcessPendingEvents() {
  RunQueuedTasks(tasks_.size(), false);
  const TimePoint now = Now();
  // Each tick moves its timer past `now`, and timers started meanwhile are due later, so
  // every timer ticks at most once here.
  while (TickDueTimer(now)) {
  }
}

bool EventLoop::AdvanceClock(Duration duration) {
  if (dynamic_cast<ManualClock*>(clock_.get()) == nullptr) return false;
  RunUntil(AddSaturating(Now(), std::max(duration, Duration::zero())), false);
  return true;
}

void EventLoop::RunUntil(std::optional<TimePoint> deadline, bool stopOnQuit) {
  const auto quitting = [&] { return stopOnQuit && quitRequested_; };
  for (;;) {
    RunQueuedTasks(tasks_.size(), stopOnQuit);
    if (quitting()) return;
    const TimePoint now = Now();
    if (TickDueTimer(now)) continue;  // a Quit() from the tick ends the loop at the top
    const bool deadlineReached = deadline && now >= *deadline;
    if (!tasks_.empty()) {
      if (deadlineReached) return;
      continue;
    }
    std::optional<TimePoint> wake = NextDueTime();
    if (deadline && (!wake || *deadline < *wake)) wake = deadline;
    if (!wake || deadlineReached) return;
    clock_->WaitUntil(*wake);
  }
}

void EventLoop::RunQueuedTasks(size_t count, bool stopOnQuit) {
  size_t ran = 0;
  // One task at a time from the front: a task that lets pending events run (a nested call)
  // takes the next tasks itself, and the order stays first in, first out.
  while (ran < count && !tasks_.empty() && !(stopOnQuit && quitRequested_)) {
    Task task = std::move(tasks_.front());
    tasks_.pop_front();
    ++ran;
    task();
  }
}

std::optional<TimePoint> EventLoop::NextDueTime() const {
  if (schedule_.empty() || schedule_.begin()->due == TimePoint::max()) return std::nullopt;
  return schedule_.begin()->due;
}

bool EventLoop::TickDueTimer(TimePoint now) {
  const std::optional<TimePoint> due = NextDueTime();
  if (!due || *due > now) return false;
  const TimerId id = schedule_.begin()->id;
  Timer& timer = timers_.at(id);
  Schedule(id, timer, NextPhaseAfter(*due, timer.interval, now));
  // The tick may stop or restart its own timer; the callback stays alive until it returns.
  const std::shared_ptr<TimerCallback> tick = timer.tick;
  (*tick)(id);
  return true;
}

void EventLoop::Wake() {
  // A copy: the handler may replace itself.
  if (const WakeHandler wake = wake_) wake();
}

void EventLoop::Schedule(TimerId id, Timer& timer, TimePoint due) {
  schedule_.erase(DueEntry{timer.due, timer.startOrder, id});
  timer.due = due;
  schedule_.insert(DueEntry{due, timer.startOrder, id});
}

}  // namespace wayband::platform
