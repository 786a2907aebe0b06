// Host handlers that change or destroy the control inside each of its mouse events, and
// input no user could give: every case must end without touching freed memory (run under
// AddressSanitizer) and leave a consistent control.
#include <functional>
#include <limits>

#include "interaction/bar_mouse.h"
#include "mouse_fixture.h"

namespace wayband::testing {
namespace {

enum class Reaction { kRemoveClicked, kClear, kRedrawOff, kShowOptions, kDestroy };

class Reentry : public MouseFixture,
                public ::testing::WithParamInterface<std::tuple<const char*, Reaction>> {
 protected:
  void React(Reaction reaction, std::span<Variant> args) {
    if (reacted_) return;
    reacted_ = true;
    switch (reaction) {
      case Reaction::kRemoveClicked: {  // the event's panel, or the first
        const auto* panel = args.empty() ? nullptr : args[0].Get<Variant::PanelRef>();
        Panels().Remove(panel && *panel ? (*panel)->Index() : 1);
        break;
      }
      case Reaction::kClear:
        Panels().Clear();
        break;
      case Reaction::kRedrawOff:
        bar->SetRedraw(false);
        break;
      case Reaction::kShowOptions:
        host.Dialogs().SetScript({{headless::DialogAction::Kind::kClickButton, "cmdDown", 0, false},
                                  {headless::DialogAction::Kind::kClickButton, "cmdOK", 0, false}});
        bar->ShowNavigationOptions();
        break;
      case Reaction::kDestroy:
        bar.reset();
        break;
    }
  }
  bool reacted_ = false;
};

TEST_P(Reentry, LeavesTheRaisingHandlerSafe) {
  const auto [event, reaction] = GetParam();
  site->SetEventHandler([&, event = std::string(event), reaction = reaction](
                            std::string_view name, int32_t, std::span<Variant> args) {
    if (name == event) React(reaction, args);
  });
  const platform::Rect strip = host.Windows().GetWindowRect(SplitBar().hWnd());
  const std::function<void()> gestures[] = {
      [&] { Move(Bar(2)); },
      [&] { Click(Bar(2)); },
      [&] { Click(Bar(3), 2); },
      [&] { Click(kChevron); },
      [&] {
        host.MouseDown({strip.left + 20, strip.top + 2}, 1);
      },
      [&] {
        host.MouseUp({strip.left + 20, strip.top + 40}, 1);
      },
      [&] { Move(Bar(1)); },
  };
  for (const auto& gesture : gestures) {
    // Spots are found from the control: once it is gone the user clicks where it was.
    if (bar && State().panels.PanelCount() >= 3) gesture();
  }
  Wait(200);
  EXPECT_TRUE(reacted_);
  if (!bar) return;
  const WaybandInspection state = bar->Inspect();
  EXPECT_LE(state.SelectedIndex, static_cast<int32_t>(state.panels.size()));
  EXPECT_LE(state.PressedIndex, static_cast<int32_t>(state.panels.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, Reentry,
    ::testing::Combine(::testing::Values("BarHover", "BarClick", "BarRightClick", "ShowChevronMenu",
                                         "PanelResize"),
                       ::testing::Values(Reaction::kRemoveClicked, Reaction::kClear,
                                         Reaction::kRedrawOff, Reaction::kShowOptions,
                                         Reaction::kDestroy)));

// Input straight into the state machine: several buttons, points far outside, values that
// are not numbers, and a control that was never shown.
class OddInput : public ControlFixture,
                 public ::testing::WithParamInterface<std::tuple<int16_t, float>> {};

TEST_P(OddInput, GivesADefinedOutcome) {
  const auto [button, value] = GetParam();
  AddPanels(3);
  interaction::BarMouse mouse(Core());
  for (const float x : {value, 30.0f}) {
    mouse.Move(x, value);
    mouse.Press(button, value, x);
    mouse.ToolbarMove(button, x, value);
    mouse.Release(button, value, value);
    mouse.LeavePoll();
  }
  EXPECT_EQ(State().panels.SelectedIndex(), 1);
  EXPECT_EQ(interaction::RoundTwips(std::numeric_limits<float>::quiet_NaN()), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, OddInput,
    ::testing::Combine(::testing::Values<int16_t>(0, 3, 7, -1, 0x7FFF),
                       ::testing::Values(std::numeric_limits<float>::quiet_NaN(),
                                         std::numeric_limits<float>::infinity(),
                                         -std::numeric_limits<float>::infinity(), 3.0e9f, -1.0e6f,
                                         2.5f)));

TEST(NeverShown, ControlTakesMouseInput) {
  platform::EventLoop loop(std::make_unique<platform::ManualClock>());
  headless::HeadlessHost host;
  Wayband bar(*host.AddSite(host.CreateForm("Form1", {0, 0, 300, 500}), "W", 0, 0, 3000, 6000));
  bar.WaybandPanels().Add("A", {}, "A");
  interaction::BarMouse mouse(core::CoreAccess::Of(bar));
  for (const int16_t button : {1, 2, 4}) {
    mouse.Press(button, 100.0f, 5000.0f);
    mouse.Move(100.0f, 5000.0f);
    mouse.Release(button, 100.0f, 5000.0f);
  }
  EXPECT_LE(bar.Inspect().PressedIndex, 1);
}

}  // namespace
}  // namespace wayband::testing
