// A fixture with an event loop on a manual clock, current on the test's thread, so that
// timers tick only when a test moves the clock.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/system_timer.h"

namespace wayband::platform {

using namespace std::chrono_literals;

class ManualLoopTest : public ::testing::Test {
 protected:
  ManualLoopTest() : loop_(std::make_unique<ManualClock>()) {}
  ~ManualLoopTest() override { ClearSystemTimerRefusal(); }

  // Milliseconds since the clock's epoch.
  int64_t NowMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(loop_.Now().time_since_epoch())
        .count();
  }

  EventLoop loop_;
};

}  // namespace wayband::platform
