// The event loop on a manual clock (ticks arrive in due order with the clock at each due
// time, periodic timers keep their phase, tasks run first in first out, and the loop
// survives timers and tasks that change it from inside) and wayband::Event, whose handlers
// may disconnect, connect, raise again or destroy the event while it is being raised.
#include "wayband/event.h"

#include "manual_loop.h"

namespace wayband::platform {
namespace {

class EventLoopTest : public ManualLoopTest {
 protected:
  EventLoop::TimerId Record(const std::string& name, Duration interval) {
    return loop_.StartTimer(interval, [this, name](EventLoop::TimerId) { Note(name); });
  }
};

TEST_F(EventLoopTest, TicksArriveInDueOrderWithTheClockAtEachDueTimeAndTasksPostedRunBetween) {
  Record("a", 30ms);
  loop_.StartTimer(50ms, [&](EventLoop::TimerId) {
    Note("b");
    loop_.PostTask([&] { Note("task"); });  // before the next tick
  });
  ASSERT_TRUE(loop_.AdvanceClock(145ms));
  loop_.AdvanceClock(4ms);
  loop_.AdvanceClock(1ms);  // the phase stays across advances
  // At 150 both are due: the timer started first ticks first.
  const std::vector<Tick> expected{{"a", 30},  {"b", 50},  {"task", 50},  {"a", 60},
                                   {"a", 90},  {"b", 100}, {"task", 100}, {"a", 120},
                                   {"a", 150}, {"b", 150}, {"task", 150}};
  EXPECT_EQ(ticks_, expected);
}

TEST_F(EventLoopTest, ProcessPendingEventsTicksALateTimerOnceAndRunsOnlyTheTasksAlreadyQueued) {
  Record("t", 10ms);
  loop_.GetClock().WaitUntil(loop_.Now() + 35ms);  // time passes, nothing is delivered
  loop_.PostTask([&] {
    Note("1");
    loop_.PostTask([&] { Note("3"); });  // waits for the next call
  });
  loop_.PostTask([&] { Note("2"); });
  loop_.ProcessPendingEvents();
  EXPECT_EQ(loop_.PendingTaskCount(), 1u);
  loop_.ProcessPendingEvents();
  loop_.AdvanceClock(5ms);  // the phase stays
  EXPECT_EQ(ticks_, (std::vector<Tick>{{"1", 35}, {"2", 35}, {"t", 35}, {"3", 35}, {"t", 40}}));
}

TEST_F(EventLoopTest, ATickMayStopItselfAndTimersDueAtTheSameTime) {
  EventLoop::TimerId self = 0, other = 0;
  int selfTicks = 0;
  self = loop_.StartTimer(10ms, [&](EventLoop::TimerId id) {
    EXPECT_EQ(id, self);
    if (++selfTicks == 2) {
      EXPECT_TRUE(loop_.StopTimer(self) && loop_.StopTimer(other));
    }
  });
  other = Record("other", 20ms);
  loop_.AdvanceClock(100ms);
  EXPECT_EQ(selfTicks, 2);
  EXPECT_TRUE(ticks_.empty());  // "other" was due at 20 too, after "self"
  EXPECT_EQ(loop_.TimerCount(), 0u);
  EXPECT_FALSE(loop_.StopTimer(self));
}

TEST_F(EventLoopTest, RunForEndsAtQuitOrAfterTheDurationAndRunEndsWhenIdle) {
  loop_.StartTimer(10ms, [&](EventLoop::TimerId) {
    Note("t");
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

TEST_F(EventLoopTest, TheNewestLoopIsCurrentAndOnlyAManualClockAdvancesNeverBackNorOverflowing) {
  const EventLoop::TimerId outerTimer = loop_.StartTimer(10ms, [](EventLoop::TimerId) {});
  {
    EventLoop real;
    EXPECT_EQ(&EventLoop::Current(), &real);
    EXPECT_FALSE(real.AdvanceClock(10ms));
    EXPECT_EQ(EventLoop::FindTimerLoop(outerTimer), &loop_);  // timers are found on their loop
  }
  EXPECT_EQ(&EventLoop::Current(), &loop_);
  loop_.StopTimer(outerTimer);
  loop_.AdvanceClock(-5ms);
  EXPECT_EQ(NowMs(), 0);
  // A timer near the end of time ticks once: its second due time is not representable.
  loop_.GetClock().WaitUntil(TimePoint::max() - 15ms);
  int ticks = 0;
  loop_.StartTimer(10ms, [&](EventLoop::TimerId) { ++ticks; });
  loop_.AdvanceClock(1000ms);  // saturates instead of overflowing
  loop_.ProcessPendingEvents();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(loop_.Now(), TimePoint::max());
}

}  // namespace
}  // namespace wayband::platform

namespace wayband {
namespace {

TEST(Event, HandlersRunInConnectionOrderSharingReferenceArgumentsAndMayChangeTheEvent) {
  Event<int32_t&> event;
  std::vector<std::string> calls;
  ConnectionId self = kNoConnection, later = kNoConnection;
  self = event.Connect([&](int32_t& x) {
    calls.push_back("self" + std::to_string(x));
    x = 7;
    EXPECT_TRUE(event.Disconnect(self));  // skipped from now on, and so is `later`
    EXPECT_TRUE(event.Disconnect(later));
    event.Connect([&](int32_t&) { calls.push_back("added"); });  // first called next time
  });
  event.Connect([&](int32_t& x) { calls.push_back("kept" + std::to_string(x)); });
  later = event.Connect([&](int32_t&) { calls.push_back("later"); });
  EXPECT_EQ(event.Connect(nullptr), kNoConnection);
  int32_t x = 1;
  event.Raise(x);
  EXPECT_EQ(x, 7);
  EXPECT_FALSE(event.IsConnected(self));
  event.Raise(x);
  EXPECT_EQ(calls, (std::vector<std::string>{"self1", "kept7", "kept7", "added"}));
  // A handler may raise the event again; the outer raise then finds what the inner one left.
  Event<int> nested;
  std::vector<int> depths;
  nested.Connect([&](int depth) {
    depths.push_back(depth);
    if (depth == 0) nested.Raise(1);
  });
  nested.Connect([&](int depth) {
    depths.push_back(10 + depth);
    nested.DisconnectAll();
  });
  nested.Raise(0);
  EXPECT_EQ(depths, (std::vector<int>{0, 1, 11}));
  EXPECT_EQ(nested.HandlerCount(), 0u);
}

TEST(Event, AnEventDestroyedByItsHandlerCallsNoMoreAndScopedConnectionsMayOutliveIt) {
  auto event = std::make_unique<Event<>>();
  int calls = 0;
  {
    ScopedConnection connection = event->ConnectScoped([&] { ++calls; });
    ScopedConnection moved = std::move(connection);
    EXPECT_FALSE(connection.Connected());
    EXPECT_TRUE(moved.Connected());
    event->Raise();
  }
  event->Raise();  // disconnected at the scope's end
  EXPECT_EQ(calls, 1);
  ScopedConnection outliving = event->ConnectScoped([&] { ++calls; });
  event->Connect([&] { event.reset(); });
  event->Connect([&] { ++calls; });
  event->Raise();
  EXPECT_EQ(event, nullptr);
  EXPECT_EQ(calls, 2);
  EXPECT_FALSE(outliving.Connected());
  outliving.Disconnect();  // nothing left to disconnect; must not touch the event
}

}  // namespace
}  // namespace wayband
