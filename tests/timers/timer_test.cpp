// CTimer over the process-wide registry (the interval rules, the 100 slots with their reuse
// and high-water mark, refusals, handlers that change timers while ticking) and the
// window-less SetTimer/KillTimer beneath it. The registry outlives each test, so every test
// destroys its timers (the fixture checks).
#include <algorithm>
#include <memory>
#include <set>

#include "manual_loop.h"
#include "platform/timer.h"
#include "platform/timer_registry.h"

namespace wayband::platform {
namespace {

class CTimerTest : public ManualLoopTest {
 protected:
  CTimerTest() { EXPECT_EQ(Registry().OccupiedSlots(), 0) << "an earlier test left timers"; }
  ~CTimerTest() override { EXPECT_EQ(Registry().OccupiedSlots(), 0) << "timers left running"; }
  static TimerRegistry& Registry() { return TimerRegistry::Instance(); }
  void Record(CTimer& timer, const std::string& name) {
    timer.ThatTime.Connect([this, name] { Note(name); });
  }
  void ExpectStopped(const CTimer& timer) {
    EXPECT_EQ(timer.Interval(), 0);
    EXPECT_EQ(timer.SystemId(), 0u);
    EXPECT_EQ(Registry().SlotOf(timer), 0);
  }
};

TEST_F(CTimerTest, IntervalRulesKeepTheSamePhaseRestartOnChangeAndStopBelowOne) {
  auto timer = std::make_unique<CTimer>();
  Record(*timer, "t");
  timer->SetInterval(100);
  const SystemTimerId first = timer->SystemId();
  loop_.AdvanceClock(60ms);
  timer->SetInterval(100);  // the same interval keeps the phase
  EXPECT_EQ(timer->SystemId(), first);
  loop_.AdvanceClock(50ms);
  timer->SetInterval(50);  // at 110, on a new system timer: due at 160, 210
  EXPECT_NE(timer->SystemId(), first);
  EXPECT_FALSE(loop_.HasTimer(first));
  loop_.AdvanceClock(100ms);
  timer->SetInterval(0);
  ExpectStopped(*timer);
  timer->SetInterval(-5);  // stopping a stopped timer does nothing
  timer->SetInterval(10);
  loop_.AdvanceClock(10ms);
  timer->SetInterval(-1);
  ExpectStopped(*timer);
  timer->SetInterval(10);
  loop_.AdvanceClock(10ms);
  timer.reset();  // releasing a running timer stops it
  loop_.AdvanceClock(50ms);
  const std::vector<Tick> expected{{"t", 100}, {"t", 160}, {"t", 210}, {"t", 220}, {"t", 230}};
  EXPECT_EQ(ticks_, expected);
  EXPECT_EQ(loop_.TimerCount(), 0u);
}

TEST_F(CTimerTest, A101stTimerNeverTicksAndTheNextOneStartedTakesTheFirstEmptiedSlot) {
  std::vector<std::unique_ptr<CTimer>> timers;
  std::vector<int> tickCounts(TimerRegistry::kSlotCount + 1, 0);
  for (int i = 0; i <= TimerRegistry::kSlotCount; ++i) {
    timers.push_back(std::make_unique<CTimer>());
    timers.back()->ThatTime.Connect([&tickCounts, i] { ++tickCounts[i]; });
    timers.back()->SetInterval(10);
  }
  CTimer& extra = *timers.back();
  EXPECT_EQ(Registry().SlotOf(extra), 0);  // running, but unheard
  loop_.AdvanceClock(30ms);
  EXPECT_EQ(std::count(tickCounts.begin(), tickCounts.end(), 3), TimerRegistry::kSlotCount);
  EXPECT_EQ(tickCounts.back(), 0);
  extra.SetInterval(0);  // stopping the unplaced timer stops its system timer too
  EXPECT_EQ(loop_.TimerCount(), static_cast<size_t>(TimerRegistry::kSlotCount));
  timers.erase(timers.begin() + 2);
  CTimer next;
  Record(next, "next");
  next.SetInterval(15);
  EXPECT_EQ(Registry().SlotOf(next), 3);
  EXPECT_EQ(Registry().SlotOf(*timers[3]), 5);
  loop_.AdvanceClock(15ms);
  EXPECT_EQ(ticks_, (std::vector<Tick>{{"next", 45}}));
  timers.clear();
  EXPECT_EQ(Registry().HighWaterMark(), TimerRegistry::kSlotCount);  // never decreases
}

TEST_F(CTimerTest, ARefusedStartOrRestartLeavesTheTimerStopped) {
  CTimer timer;
  Record(timer, "t");
  RefuseNextSystemTimers(1);
  timer.SetInterval(55);
  ExpectStopped(timer);
  timer.SetInterval(55);
  ASSERT_EQ(timer.Interval(), 55);
  RefuseAllSystemTimers(true);
  timer.SetInterval(75);  // the running system timer ends too
  ExpectStopped(timer);
  EXPECT_EQ(loop_.TimerCount(), 0u);
  loop_.AdvanceClock(200ms);
  EXPECT_TRUE(ticks_.empty());
}

TEST_F(CTimerTest, AHandlerMayChangeItsOwnIntervalAndAnotherTimers) {
  CTimer fast, slow;
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
  first->ThatTime.Connect([&] { second.reset(), first.reset(); });
  first->ThatTime.Connect([&] { laterHandlerRan = true; });
  first->SetInterval(10);
  second->SetInterval(10);
  loop_.AdvanceClock(50ms);
  EXPECT_EQ(first, nullptr);
  EXPECT_FALSE(laterHandlerRan);
  EXPECT_TRUE(ticks_.empty());
  EXPECT_EQ(loop_.TimerCount(), 0u);
}

TEST_F(CTimerTest, AHandlerThatLetsPendingEventsRunDoesNotTickItselfTwice) {
  CTimer timer, other;
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

std::vector<SystemTimerId> g_ticks;

void RecordTick(SystemTimerId id) {
  g_ticks.push_back(id);
}

using SystemTimerTest = ManualLoopTest;

// Ids of running timers are never given out again; zero intervals are raised to the minimum.
TEST_F(SystemTimerTest, TimersCallBackWithTheirOwnIdsUntilKilled) {
  g_ticks.clear();
  EXPECT_EQ(SetTimer(10, nullptr), 0u);
  std::vector<SystemTimerId> ids;
  for (int i = 0; i < 8; ++i)
    ids.push_back(SetTimer(i < 4 ? 10 : 25, &RecordTick));
  for (size_t i = 1; i < 8; i += 2)
    EXPECT_TRUE(KillTimer(std::exchange(ids[i], SetTimer(0, &RecordTick))));
  EXPECT_FALSE(KillTimer(0));
  EXPECT_EQ(std::set<SystemTimerId>(ids.begin(), ids.end()).size(), 8u);
  loop_.AdvanceClock(10ms);
  EXPECT_EQ(std::count(g_ticks.begin(), g_ticks.end(), ids[0]), 1);
  EXPECT_EQ(std::count(g_ticks.begin(), g_ticks.end(), ids[1]), 10);
  EXPECT_EQ(std::count(g_ticks.begin(), g_ticks.end(), ids[4]), 0);
  for (const SystemTimerId id : ids)
    EXPECT_TRUE(KillTimer(id));
  EXPECT_FALSE(KillTimer(ids[0]));
}

}  // namespace
}  // namespace wayband::platform
