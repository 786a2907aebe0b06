// A fixture with an event loop on a manual clock, current on the test's thread, so that
// timers tick only when a test moves the clock; it records named ticks with their time.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/event_loop.h"
#include "platform/system_timer.h"

namespace wayband::platform {

using namespace std::chrono_literals;
using Tick = std::pair<std::string, int64_t>;  // which timer, clock in ms when it ticked

class ManualLoopTest : public ::testing::Test {
 protected:
  ManualLoopTest() : loop_(std::make_unique<ManualClock>()) {}
  ~ManualLoopTest() override { ClearSystemTimerRefusal(); }

  // Milliseconds since the clock's epoch.
  int64_t NowMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(loop_.Now().time_since_epoch())
        .count();
  }
  void Note(const std::string& name) { ticks_.emplace_back(name, NowMs()); }

  EventLoop loop_;
  std::vector<Tick> ticks_;
};

}  // namespace wayband::platform
