// CTimer and the process-wide registry: the interval rules, the 100 slots with their reuse
// and high-water mark, refusals, releases, and handlers that change timers while ticking.
// The registry outlives each test, so every test destroys its timers (the fixture checks).
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "manual_loop.h"
#include "platform/timer.h"
#include "platform/timer_registry.h"

namespace wayband::platform {
namespace {

using Tick = std::pair<std::string, int64_t>;  // which timer, clock in ms when it ticked

class CTimerTest : public ManualLoopTest {
 protected:
  CTimerTest() { EXPECT_EQ(Registry().OccupiedSlots(), 0) << "an earlier test left timers"; }
  ~CTimerTest() override { EXPECT_EQ(Registry().OccupiedSlots(), 0) << "timers left running"; }

  static TimerRegistry& Registry() { return TimerRegistry::Instance(); }

  void Record(CTimer& timer, const std::string& name) {
    timer.ThatTime.Connect([this, name] { ticks_.emplace_back(name, NowMs()); });
  }

  std::vector<Tick> ticks_;
};

TEST_F(CTimerTest, SettingTheSameIntervalKeepsThePhase) {
  CTimer timer;
  Record(timer, "t");
  timer.SetInterval(100);
  const SystemTimerId id = timer.SystemId();
  loop_.AdvanceClock(60ms);
  timer.SetInterval(100);
  EXPECT_EQ(timer.SystemId(), id);
  loop_.AdvanceClock(40ms);
  EXPECT_EQ(ticks_, (std::vector<Tick>{{"t", 100}}));
}

TEST_F(CTimerTest, ADifferentIntervalRestartsFromNowOnANewSystemTimer) {
  CTimer timer;
  Record(timer, "t");
  timer.SetInterval(100);
  const SystemTimerId first = timer.SystemId();
  loop_.AdvanceClock(60ms);
  timer.SetInterval(50);
  EXPECT_NE(timer.SystemId(), first);
  EXPECT_FALSE(loop_.HasTimer(first));
  EXPECT_EQ(loop_.TimerCount(), 1u);
  loop_.AdvanceClock(100ms);
  EXPECT_EQ(ticks_, (std::vector<Tick>{{"t", 110}, {"t", 160}}));
}

TEST_F(CTimerTest, StoppingAStoppedTimerDoesNothingAndStoppingARunningOneEndsItsTicks) {
  CTimer timer;
  Record(timer, "t");
  timer.SetInterval(0);
  timer.SetInterval(-5);
  EXPECT_EQ(timer.Interval(), 0);
  EXPECT_EQ(timer.SystemId(), 0u);
  EXPECT_EQ(loop_.TimerCount(), 0u);

  timer.SetInterval(10);
  loop_.AdvanceClock(10ms);
  timer.SetInterval(-1);
  EXPECT_EQ(timer.Interval(), 0);
  EXPECT_EQ(timer.SystemId(), 0u);
  EXPECT_EQ(Registry().SlotOf(timer), 0);
  loop_.AdvanceClock(50ms);
  EXPECT_EQ(ticks_.size(), 1u);
  EXPECT_EQ(loop_.TimerCount(), 0u);
}

TEST_F(CTimerTest, A101stTimerNeverTicksWhileTheFirstHundredKeepWorking) {
  std::vector<std::unique_ptr<CTimer>> timers;
  std::vector<int> tickCounts(TimerRegistry::kSlotCount + 1, 0);
  for (int i = 0; i <= TimerRegistry::kSlotCount; ++i) {
    timers.push_back(std::make_unique<CTimer>());
    timers.back()->ThatTime.Connect([&tickCounts, i] { ++tickCounts[i]; });
    timers.back()->SetInterval(10);
  }
  CTimer& extra = *timers.back();
  EXPECT_EQ(Registry().HighWaterMark(), TimerRegistry::kSlotCount);
  EXPECT_EQ(Registry().SlotOf(extra), 0);
  EXPECT_EQ(extra.Interval(), 10);  // running, but unheard
  EXPECT_NE(extra.SystemId(), 0u);

  loop_.AdvanceClock(30ms);
  for (int i = 0; i < TimerRegistry::kSlotCount; ++i)
    EXPECT_EQ(tickCounts[i], 3) << i;
  EXPECT_EQ(tickCounts[TimerRegistry::kSlotCount], 0);

  // Stopping the unplaced timer stops its system timer too.
  extra.SetInterval(0);
  EXPECT_EQ(loop_.TimerCount(), static_cast<size_t>(TimerRegistry::kSlotCount));
  timers.clear();
  EXPECT_EQ(loop_.TimerCount(), 0u);
  EXPECT_EQ(Registry().HighWaterMark(), TimerRegistry::kSlotCount);  // never decreases
}

TEST_F(CTimerTest, TheNextTimerStartedTakesTheFirstEmptiedSlot) {
  std::vector<std::unique_ptr<CTimer>> timers;
  const int16_t markBefore = Registry().HighWaterMark();
  for (int16_t slot = 1; slot <= 5; ++slot) {
    timers.push_back(std::make_unique<CTimer>());
    timers.back()->SetInterval(20);
    EXPECT_EQ(Registry().SlotOf(*timers.back()), slot);
  }
  EXPECT_EQ(Registry().HighWaterMark(), std::max<int16_t>(markBefore, 5));

  timers[2]->SetInterval(0);
  CTimer next;
  Record(next, "next");
  next.SetInterval(15);
  EXPECT_EQ(Registry().SlotOf(next), 3);
  loop_.AdvanceClock(15ms);
  EXPECT_EQ(ticks_, (std::vector<Tick>{{"next", 15}}));
}

TEST_F(CTimerTest, ReleasingARunningTimerStopsItsTicks) {
  auto timer = std::make_unique<CTimer>();
  Record(*timer, "t");
  timer->SetInterval(10);
  loop_.AdvanceClock(10ms);
  timer.reset();
  EXPECT_EQ(loop_.TimerCount(), 0u);
  loop_.AdvanceClock(50ms);
  EXPECT_EQ(ticks_.size(), 1u);
}

TEST_F(CTimerTest, ARefusedTimerIsLeftStoppedWithIntervalZero) {
  CTimer timer;
  Record(timer, "t");
  RefuseNextSystemTimers(1);
  timer.SetInterval(55);
  EXPECT_EQ(timer.Interval(), 0);
  EXPECT_EQ(timer.SystemId(), 0u);
  EXPECT_EQ(Registry().SlotOf(timer), 0);

  // A refused restart also ends the running system timer.
  timer.SetInterval(55);
  ASSERT_EQ(timer.Interval(), 55);
  RefuseAllSystemTimers(true);
  timer.SetInterval(75);
  EXPECT_EQ(timer.Interval(), 0);
  EXPECT_EQ(Registry().SlotOf(timer), 0);
  EXPECT_EQ(loop_.TimerCount(), 0u);
  loop_.AdvanceClock(200ms);
  EXPECT_TRUE(ticks_.empty());
}

TEST_F(CTimerTest, AHandlerMayChangeItsOwnIntervalAndAnotherTimers) {
  CTimer fast;
  CTimer slow;
  Record(slow, "slow");
  Record(fast, "fast");
  fast.ThatTime.Connect([&] {
    if (NowMs() == 10) {
      fast.SetInterval(30);  // restarts from now: 40, 70, ...
      slow.SetInterval(25);  // restarts from now: 35, 60, ...
    }
    if (NowMs() == 70) slow.SetInterval(0);
  });
  slow.SetInterval(100);
  fast.SetInterval(10);
  loop_.AdvanceClock(110ms);
  const std::vector<Tick> expected{{"fast", 10}, {"slow", 35}, {"fast", 40},
                                   {"slow", 60}, {"fast", 70}, {"fast", 100}};
  EXPECT_EQ(ticks_, expected);
}

TEST_F(CTimerTest, AHandlerMayDestroyItsOwnTimerAndOthersDueAtTheSameTime) {
  auto first = std::make_unique<CTimer>();
  auto second = std::make_unique<CTimer>();
  bool laterHandlerRan = false;
  Record(*second, "second");
  first->ThatTime.Connect([&] {
    second.reset();
    first.reset();
  });
  first->ThatTime.Connect([&] { laterHandlerRan = true; });
  first->SetInterval(10);
  second->SetInterval(10);
  loop_.AdvanceClock(50ms);
  EXPECT_EQ(first, nullptr);
  EXPECT_FALSE(laterHandlerRan);
  EXPECT_TRUE(ticks_.empty());
  EXPECT_EQ(loop_.TimerCount(), 0u);
}

TEST_F(CTimerTest, HandlerThatLetsPendingEventsRunDoesNotTickItselfTwice) {
  CTimer timer;
  CTimer other;
  Record(other, "other");
  int ticks = 0;
  timer.ThatTime.Connect([&] {
    ++ticks;
    loop_.ProcessPendingEvents();  // a nested delivery, as a control letting the host catch up
  });
  timer.SetInterval(10);
  other.SetInterval(10);
  loop_.AdvanceClock(20ms);
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(ticks_, (std::vector<Tick>{{"other", 10}, {"other", 20}}));
}

}  // namespace
}  // namespace wayband::platform
