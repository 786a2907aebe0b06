// The splitter drag: steps of the text height (plus BarPadding downward and upward), every
// second one taken by the BarsToShow setter, the upward guard, the lock and PanelResize.
#include "interaction/splitter_drag.h"
#include "mouse_fixture.h"

#include <utility>

namespace wayband::testing {
namespace {

using core::kNewInstanceBarPadding;

struct DragCase {
  const char* name;
  int32_t padding;     // BarPadding
  bool locked;         // LockSplitter
  int32_t startBars;   // BarsToShow before
  int32_t direction;   // 1 down, -1 up
  int32_t stepPixels;  // each move's travel (plus BarPadding downward); 0: the text step + 1
  int32_t moves;
  int32_t bars;  // BarsToShow after
};

class SplitterDrags : public MouseFixture, public ::testing::WithParamInterface<DragCase> {};

TEST_P(SplitterDrags, ChangeBarsToShowByEverySecondStep) {
  const DragCase& c = GetParam();
  bar->SetLockSplitter(c.locked);
  bar->SetBarsToShow(c.startBars);
  Core().MutableState().BarPadding = c.padding;
  const float textStep = interaction::SplitterDrag(Core()).TextStep();
  const int32_t step = c.stepPixels != 0 ? c.stepPixels : static_cast<int32_t>(textStep) + 1;
  const platform::Rect strip = host.Windows().GetWindowRect(SplitBar().hWnd());
  const platform::Point start{strip.left + 30, strip.top + 3};
  host.Record().Clear();
  host.MouseDown(start, 1);
  EXPECT_EQ(bar->Inspect().ControlPointer, c.locked ? 0 : 7);
  for (int32_t i = 1; i <= c.moves; ++i)
    host.MouseMove(
        {start.x, start.y + c.direction * (step + (c.direction > 0 ? c.padding : 0)) * i}, 1);
  host.MouseUp({start.x, start.y}, 1);
  EXPECT_EQ(bar->BarsToShow(), c.bars);
  EXPECT_EQ(Events(), "PanelResize:False PanelResize:True");
  EXPECT_FALSE(State().SplitterDragging);
  EXPECT_EQ(bar->Inspect().ControlPointer, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitterDrags,
    ::testing::Values(DragCase{"ClickChangesNothing", 31, false, 3, 1, 0, 0, 3},
                      DragCase{"LoadedDownFourSteps", 0, false, 4, 1, 0, 4, 2},
                      DragCase{"NewDownFourSteps", 31, false, 4, 1, 0, 4, 2},
                      DragCase{"LoadedDownOneStepIsSwallowed", 0, false, 4, 1, 0, 1, 4},
                      DragCase{"LoadedUpTwoSteps", 0, false, 2, -1, 0, 2, 3},
                      DragCase{"NewUpStepsAtOncePerMove", 31, false, 2, -1, 1, 4, 4},
                      DragCase{"LockedChangesNothing", 0, true, 4, 1, 0, 4, 4},
                      DragCase{"NoStepBelowTheTextHeight", 0, false, 4, 1, 2, 3, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MouseFixture, UpwardStepsStopTwiceTheToolbarHeightBelowTheTop) {
  // The toolbar is 33 pixels high: a step needs the cursor below row 67.
  interaction::SplitterDrag drag(Core());
  core::ControlState& state = Core().MutableState();
  state.BarPadding = kNewInstanceBarPadding;
  state.SplitterDragging = true;
  const platform::Rect control = host.Windows().GetWindowRect(site->hWnd());
  for (const auto& [row, steps] : {std::pair{66, false}, std::pair{68, true}}) {
    host.SetCursorPos({control.left + 30, control.top + row});
    state.SplitterAnchorY = row + 10;
    const bool toggle = state.SplitterDragToggle;
    drag.Move();
    EXPECT_EQ(state.SplitterDragToggle != toggle, steps) << row;
  }
}

TEST_F(MouseFixture, PollingControlsRememberBarsToShowOnEveryMove) {
  Core().MutableState().PollingNeeded = true;
  Core().MutableState().PreferredBarCount = 1;
  const platform::Rect strip = host.Windows().GetWindowRect(SplitBar().hWnd());
  host.MouseMove({strip.left + 30, strip.top + 3});
  EXPECT_EQ(State().PreferredBarCount, 3);
}

}  // namespace
}  // namespace wayband::testing
