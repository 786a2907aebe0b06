// The event loop on a manual clock: ticks arrive in due order with the clock at each due
// time, periodic timers keep their phase, tasks run first in first out, and the loop
// survives timers and tasks that change it from inside.
#include <string>
#include <utility>
#include <vector>

#include "manual_loop.h"

namespace wayband::platform {
namespace {

using Tick = std::pair<std::string, int64_t>;  // which timer, clock in ms when it ticked

class EventLoopTest : public ManualLoopTest {
 protected:
  EventLoop::TimerId Record(const std::string& name, Duration interval) {
    return loop_.StartTimer(
        interval, [this, name](EventLoop::TimerId) { ticks_.emplace_back(name, NowMs()); });
  }
  std::vector<Tick> ticks_;
};

TEST_F(EventLoopTest, TicksAcrossTimersArriveInDueOrderWithTheClockAtEachDueTime) {
  Record("a", 30ms);
  Record("b", 50ms);
  ASSERT_TRUE(loop_.AdvanceClock(150ms));
  // At 150 both are due: the timer started first ticks first.
  const std::vector<Tick> expected{{"a", 30},  {"b", 50},  {"a", 60},  {"a", 90},
                                   {"b", 100}, {"a", 120}, {"a", 150}, {"b", 150}};
  EXPECT_EQ(ticks_, expected);
  EXPECT_EQ(NowMs(), 150);
}

TEST_F(EventLoopTest, PeriodicTimerKeepsItsPhaseAcrossAdvances) {
  Record("t", 10ms);
  loop_.AdvanceClock(35ms);
  loop_.AdvanceClock(4ms);
  EXPECT_EQ(ticks_.size(), 3u);
  loop_.AdvanceClock(1ms);
  const std::vector<Tick> expected{{"t", 10}, {"t", 20}, {"t", 30}, {"t", 40}};
  EXPECT_EQ(ticks_, expected);
}

TEST_F(EventLoopTest, ProcessPendingEventsTicksALateTimerOnceAndKeepsItsPhase) {
  Record("t", 10ms);
  loop_.GetClock().WaitUntil(loop_.Now() + 35ms);  // time passes, nothing is delivered
  EXPECT_TRUE(ticks_.empty());
  loop_.ProcessPendingEvents();
  loop_.ProcessPendingEvents();
  EXPECT_EQ(ticks_, (std::vector<Tick>{{"t", 35}}));
  loop_.AdvanceClock(5ms);
  EXPECT_EQ(ticks_.back(), (Tick{"t", 40}));
}

TEST_F(EventLoopTest, ProcessPendingEventsRunsQueuedTasksInOrderWithoutMovingTheClock) {
  std::vector<int> ran;
  loop_.PostTask([&] {
    ran.push_back(1);
    loop_.PostTask([&] { ran.push_back(3); });  // waits for the next call
  });
  loop_.PostTask([&] { ran.push_back(2); });
  loop_.ProcessPendingEvents();
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
  EXPECT_EQ(loop_.PendingTaskCount(), 1u);
  loop_.ProcessPendingEvents();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(NowMs(), 0);
}

TEST_F(EventLoopTest, TasksPostedByATickRunBeforeTheNextTick) {
  std::vector<std::string> order;
  loop_.StartTimer(10ms, [&](EventLoop::TimerId) {
    order.push_back("tick@" + std::to_string(NowMs()));
    loop_.PostTask([&] { order.push_back("task@" + std::to_string(NowMs())); });
  });
  loop_.AdvanceClock(20ms);
  EXPECT_EQ(order, (std::vector<std::string>{"tick@10", "task@10", "tick@20", "task@20"}));
}

TEST_F(EventLoopTest, TickMayStopItselfAndTimersDueAtTheSameTime) {
  EventLoop::TimerId self = 0;
  EventLoop::TimerId other = 0;
  int selfTicks = 0;
  self = loop_.StartTimer(10ms, [&](EventLoop::TimerId id) {
    EXPECT_EQ(id, self);
    if (++selfTicks == 2) {
      EXPECT_TRUE(loop_.StopTimer(self));
      EXPECT_TRUE(loop_.StopTimer(other));
    }
  });
  other = Record("other", 20ms);
  loop_.AdvanceClock(100ms);
  EXPECT_EQ(selfTicks, 2);
  EXPECT_EQ(ticks_, (std::vector<Tick>{}));  // "other" was due at 20 too, after "self"
  EXPECT_EQ(loop_.TimerCount(), 0u);
  EXPECT_FALSE(loop_.StopTimer(self));
}

TEST_F(EventLoopTest, RunForEndsAtQuitOrAfterTheDurationAndRunEndsWhenIdle) {
  loop_.StartTimer(10ms, [&](EventLoop::TimerId) {
    ticks_.emplace_back("t", NowMs());
    loop_.PostTask([] {});
    if (ticks_.size() == 3) loop_.Quit();
  });
  loop_.RunFor(1000ms);
  EXPECT_EQ(NowMs(), 30);
  EXPECT_EQ(loop_.PendingTaskCount(), 1u);  // returned right after the quitting tick
  loop_.RunFor(15ms);
  EXPECT_EQ(ticks_.size(), 4u);
  EXPECT_EQ(NowMs(), 45);

  EventLoop idle(std::make_unique<ManualClock>());
  bool ran = false;
  idle.PostTask([&] { ran = true; });
  idle.Run();  // nothing left after the task: returns instead of waiting forever
  EXPECT_TRUE(ran);
}

TEST_F(EventLoopTest, NewestLoopIsCurrentUntilItIsDestroyed) {
  EXPECT_EQ(&EventLoop::Current(), &loop_);
  EventLoop::TimerId outerTimer = loop_.StartTimer(10ms, [](EventLoop::TimerId) {});
  {
    EventLoop inner(std::make_unique<ManualClock>());
    EXPECT_EQ(&EventLoop::Current(), &inner);
    // Timers are found on whichever loop of the thread runs them.
    EXPECT_EQ(EventLoop::FindTimerLoop(outerTimer), &loop_);
    EXPECT_EQ(EventLoop::FindTimerLoop(EventLoop::kNoTimer), nullptr);
  }
  EXPECT_EQ(&EventLoop::Current(), &loop_);
}

TEST_F(EventLoopTest, OnlyAManualClockCanBeAdvancedAndTimeNeverGoesBack) {
  EventLoop real;
  EXPECT_FALSE(real.AdvanceClock(10ms));

  loop_.AdvanceClock(-5ms);
  EXPECT_EQ(NowMs(), 0);
  loop_.GetClock().WaitUntil(TimePoint::max());
  loop_.AdvanceClock(10ms);  // saturates instead of overflowing
  EXPECT_EQ(loop_.Now(), TimePoint::max());
}

TEST_F(EventLoopTest, TimerNearTheEndOfTimeTicksOnceAndNeverAgain) {
  loop_.GetClock().WaitUntil(TimePoint::max() - 15ms);
  int ticks = 0;
  loop_.StartTimer(10ms, [&](EventLoop::TimerId) { ++ticks; });
  loop_.AdvanceClock(1000ms);  // the second due time is not representable
  loop_.ProcessPendingEvents();
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace wayband::platform
