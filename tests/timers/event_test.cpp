// wayband::Event: connection order, by-reference arguments, and handlers that disconnect,
// connect, raise again or destroy the event while it is being raised.
#include "wayband/event.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace wayband {
namespace {

TEST(EventTest, HandlersRunInConnectionOrderAndShareReferenceArguments) {
  Event<int32_t&, const std::string&> event;
  std::vector<std::string> seen;
  event.Connect([&](int32_t& x, const std::string& s) {
    seen.push_back(s + std::to_string(x));
    x = 7;
  });
  event.Connect([&](int32_t& x, const std::string& s) { seen.push_back(s + std::to_string(x)); });
  int32_t x = 1;
  event.Raise(x, "x=");
  EXPECT_EQ(seen, (std::vector<std::string>{"x=1", "x=7"}));
  EXPECT_EQ(x, 7);
  EXPECT_EQ(event.Connect(nullptr), kNoConnection);
  EXPECT_EQ(event.HandlerCount(), 2u);
}

TEST(EventTest, DisconnectingDuringARaiseSkipsTheHandlerAndConnectingWaitsForTheNextRaise) {
  Event<> event;
  std::vector<std::string> calls;
  ConnectionId self = kNoConnection;
  ConnectionId later = kNoConnection;
  self = event.Connect([&] {
    calls.push_back("self");
    EXPECT_TRUE(event.Disconnect(self));
    EXPECT_TRUE(event.Disconnect(later));
    event.Connect([&] { calls.push_back("added"); });
  });
  event.Connect([&] { calls.push_back("kept"); });
  later = event.Connect([&] { calls.push_back("later"); });

  event.Raise();
  EXPECT_EQ(calls, (std::vector<std::string>{"self", "kept"}));
  EXPECT_FALSE(event.IsConnected(self));
  EXPECT_FALSE(event.Disconnect(later));
  EXPECT_EQ(event.HandlerCount(), 2u);

  calls.clear();
  event.Raise();
  EXPECT_EQ(calls, (std::vector<std::string>{"kept", "added"}));
}

TEST(EventTest, HandlerMayRaiseTheEventAgainAndDisconnectAllInside) {
  Event<int> event;
  std::vector<int> calls;
  event.Connect([&](int depth) {
    calls.push_back(depth);
    if (depth == 0) event.Raise(1);
  });
  event.Connect([&](int depth) {
    calls.push_back(10 + depth);
    if (depth == 1) event.DisconnectAll();
  });
  event.Raise(0);
  // The inner raise ran both; the outer one then found the second handler gone.
  EXPECT_EQ(calls, (std::vector<int>{0, 1, 11}));
  EXPECT_EQ(event.HandlerCount(), 0u);
}

TEST(EventTest, EventDestroyedByItsHandlerCallsNoFurtherHandlers) {
  auto event = std::make_unique<Event<>>();
  bool laterRan = false;
  event->Connect([&] { event.reset(); });
  event->Connect([&] { laterRan = true; });
  event->Raise();
  EXPECT_EQ(event, nullptr);
  EXPECT_FALSE(laterRan);
}

TEST(EventTest, ScopedConnectionDisconnectsAtScopeEndAndMayOutliveTheEvent) {
  auto event = std::make_unique<Event<>>();
  int calls = 0;
  {
    ScopedConnection connection = event->ConnectScoped([&] { ++calls; });
    EXPECT_TRUE(connection.Connected());
    ScopedConnection moved = std::move(connection);
    EXPECT_FALSE(connection.Connected());
    event->Raise();
  }
  event->Raise();
  EXPECT_EQ(calls, 1);

  ScopedConnection outliving = event->ConnectScoped([&] { ++calls; });
  event.reset();
  EXPECT_FALSE(outliving.Connected());
  outliving.Disconnect();  // nothing left to disconnect; must not touch the event
}

}  // namespace
}  // namespace wayband
