// A headless host with a form and two child windows to hang tools on, an event loop on a
// manual clock, and one CUnicodeToolTip whose tip window the form owns.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "headless/headless_host.h"
#include "interaction/unicode_tooltip.h"
#include "platform/event_loop.h"
#include "platform/tooltip/tip_timing.h"
#include "platform/tooltip/tooltip_windows.h"

namespace wayband::interaction {

using namespace std::chrono_literals;
constexpr auto kDelay = platform::kTipInitialDelay;

class TooltipTest : public ::testing::Test {
 protected:
  TooltipTest()
      : loop_(std::make_unique<platform::ManualClock>()),
        form_(host_.CreateForm("Form1", {100, 100, 500, 400})),
        strip_(host_.Windows().CreateWindow(form_, {10, 200, 210, 226}, true, "ctlToolbar")),
        other_(host_.Windows().CreateWindow(form_, {10, 10, 210, 190}, true, "Other")),
        tip_(host_.Windows()) {}

  static platform::TooltipWindows& Tips() { return platform::TooltipWindows::Instance(); }
  // A screen point inside the strip, `dx` pixels from its left end, and one in the other.
  static platform::Point OnStrip(int32_t dx = 20) { return {110 + dx, 310}; }
  static platform::Point OnOther() { return {150, 150}; }
  // The tip window made and the strip registered with `text`.
  void AttachToStrip(std::string_view text) {
    ASSERT_TRUE(tip_.CreateTip(form_));
    ASSERT_TRUE(tip_.AddTool(strip_, text));
  }
  void Advance(platform::Duration duration) { loop_.AdvanceClock(duration); }
  bool TipShown() const { return !Tips().ShownTips().empty(); }
  platform::TipDisplay Current() { return *host_.Tips().Current(); }

  platform::EventLoop loop_;
  headless::HeadlessHost host_;
  host::WindowHandle form_, strip_, other_;
  CUnicodeToolTip tip_;
};

}  // namespace wayband::interaction
