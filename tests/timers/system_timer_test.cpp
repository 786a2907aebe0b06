// The window-less SetTimer/KillTimer stand-ins: ids, callbacks with the id, and refusals.
#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "manual_loop.h"

namespace wayband::platform {
namespace {

std::vector<SystemTimerId> g_ticks;

void RecordTick(SystemTimerId id) {
  g_ticks.push_back(id);
}

class SystemTimerTest : public ManualLoopTest {
 protected:
  SystemTimerTest() { g_ticks.clear(); }
};

TEST_F(SystemTimerTest, TimerCallsBackWithItsIdUntilKilled) {
  const SystemTimerId fast = SetTimer(10, &RecordTick);
  const SystemTimerId slow = SetTimer(25, &RecordTick);
  ASSERT_NE(fast, 0u);
  ASSERT_NE(slow, 0u);
  EXPECT_NE(fast, slow);
  loop_.AdvanceClock(30ms);
  EXPECT_EQ(g_ticks, (std::vector<SystemTimerId>{fast, fast, slow, fast}));

  EXPECT_TRUE(KillTimer(fast));
  EXPECT_FALSE(KillTimer(fast));
  EXPECT_FALSE(KillTimer(0));
  loop_.AdvanceClock(20ms);
  EXPECT_EQ(g_ticks.back(), slow);
  EXPECT_EQ(g_ticks.size(), 5u);
  EXPECT_TRUE(KillTimer(slow));
}

TEST_F(SystemTimerTest, ZeroIntervalIsRaisedToTheMinimumInsteadOfSpinning) {
  const SystemTimerId id = SetTimer(0, &RecordTick);
  loop_.AdvanceClock(3ms);
  EXPECT_EQ(g_ticks.size(), 3u);
  KillTimer(id);
}

TEST_F(SystemTimerTest, RefusesTheNextCountThenAcceptsAgain) {
  RefuseNextSystemTimers(2);
  EXPECT_EQ(SetTimer(10, nullptr), 0u);  // refused for itself; uses up no refusal
  EXPECT_EQ(SetTimer(10, &RecordTick), 0u);
  EXPECT_EQ(SetTimer(10, &RecordTick), 0u);
  const SystemTimerId accepted = SetTimer(10, &RecordTick);
  EXPECT_NE(accepted, 0u);
  EXPECT_EQ(loop_.TimerCount(), 1u);
  KillTimer(accepted);
}

TEST_F(SystemTimerTest, RefusesEverythingWhileSet) {
  RefuseAllSystemTimers(true);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(SetTimer(10, &RecordTick), 0u);
  RefuseAllSystemTimers(false);
  const SystemTimerId accepted = SetTimer(10, &RecordTick);
  EXPECT_NE(accepted, 0u);
  KillTimer(accepted);
}

TEST_F(SystemTimerTest, NewIdsNeverEqualTheIdOfARunningTimer) {
  std::vector<SystemTimerId> running;
  for (int i = 0; i < 8; ++i)
    running.push_back(SetTimer(10, &RecordTick));
  for (size_t i = 0; i < running.size(); i += 2)
    KillTimer(std::exchange(running[i], 0));
  std::erase(running, 0u);
  for (int i = 0; i < 8; ++i) {
    const SystemTimerId id = SetTimer(10, &RecordTick);
    EXPECT_EQ(std::count(running.begin(), running.end(), id), 0);
    running.push_back(id);
  }
  EXPECT_EQ(std::set<SystemTimerId>(running.begin(), running.end()).size(), running.size());
  for (SystemTimerId id : running)
    EXPECT_TRUE(KillTimer(id));
}

}  // namespace
}  // namespace wayband::platform
