// wayband::Event: connection order, by-reference arguments, and handlers that disconnect,
// connect, raise again or destroy the event while it is being raised.
#include "wayband/event.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace wayband {
namespace {

TEST(EventTest, HandlersRunInConnectionOrderSharingReferenceArgumentsAndMayChangeTheEvent) {
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

TEST(EventTest, AnEventDestroyedByItsHandlerCallsNoMoreAndScopedConnectionsMayOutliveIt) {
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
