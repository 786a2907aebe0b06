// The mouse state machine row by row: each case is what a user does, and the hover, press
// and selection state and the events (BarHover aside) it leaves.
#include <functional>

#include "core/control_state.h"
#include "mouse_fixture.h"

namespace wayband::testing {
namespace {

using core::kChevronIndex;

struct Row {
  const char* name;
  std::function<void(class BarMouseRows&)> act;
  int32_t hover;
  int32_t pressed;
  int32_t selected;
  const char* events;
};

class BarMouseRows : public MouseFixture, public ::testing::WithParamInterface<Row> {};

TEST_P(BarMouseRows, LeaveTheStateOfTheirRow) {
  const Row& row = GetParam();
  row.act(*this);
  EXPECT_EQ(State().HoverIndex, row.hover);
  EXPECT_EQ(State().PressedIndex, row.pressed);
  EXPECT_EQ(State().panels.SelectedIndex(), row.selected);
  EXPECT_EQ(Events(), row.events);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BarMouseRows,
    ::testing::Values(
        Row{"OwnMoveOnBar", [](auto& t) { t.Move(Bar(2)); }, 2, 0, 1, ""},
        Row{"OwnMoveInHeader", [](auto& t) { t.Move(kHeader); }, -1, 0, 1, ""},
        Row{"ToolbarMoveOnChevron", [](auto& t) { t.Move(kChevron); }, kChevronIndex, -1, 1, ""},
        Row{"ToolbarDragOnChevron", [](auto& t) { t.Move(kChevron, 2); }, kChevronIndex,
            kChevronIndex, 1, ""},
        Row{"ToolbarMoveOnIcon", [](auto& t) { t.Move(Bar(5)); }, 5, -1, 1, ""},
        Row{"ToolbarDragOverIcon", [](auto& t) { t.Move(Bar(5), 1); }, 5, 5, 1, ""},
        Row{"ToolbarMoveOnEmptyPart", [](auto& t) { t.Move(kToolbarEmpty); }, 0, -1, 1, ""},
        Row{"LeftPressOnBar", [](auto& t) { t.Down(Bar(2)); }, 0, 2, 1, ""},
        Row{"LeftPressOnChevron", [](auto& t) { t.Down(kChevron); }, kChevronIndex, 0, 1,
            "ShowChevronMenu"},
        Row{"ChevronReleaseRaisesNothing",
            [](auto& t) {
              t.Click(kChevron);
              t.Events();
              t.Up(kChevron);
            },
            kChevronIndex, 0, 1, ""},
        Row{"LeftPressOutsideBarsKeepsPressed",
            [](auto& t) {
              t.Down(Bar(2));
              t.Up(Bar(2), 4);
              t.Down(Bar(3));
              t.Down(kToolbarEmpty);
            },
            2, 3, 2, "BarRightClick:2"},
        Row{"RightPressOnBar", [](auto& t) { t.Down(Bar(3), 2); }, 0, 0, 1, "BarRightClick:3"},
        Row{"PressInHeader", [](auto& t) { t.Down(kHeader); }, 0, 0, 1, ""},
        Row{"ClickSelects", [](auto& t) { t.Click(Bar(2)); }, 2, -1, 2, "BarClick:2"},
        Row{"DisabledBarIsClickedLikeAnyOther",
            [](auto& t) {
              t.Panels().Item(2)->SetEnabled(false);
              t.Click(Bar(2));
            },
            2, -1, 2, "BarClick:2"},
        Row{"ClickOnToolbarIconSelects", [](auto& t) { t.Click(Bar(4)); }, 4, -1, 4,
            "BarClick:4"},
        Row{"PressTwoReleaseThree",
            [](auto& t) {
              t.Down(Bar(2));
              t.Up(Bar(3));
            },
            0, -1, 1, "BarClick:3"},
        Row{"RightClickDoesNotSelect", [](auto& t) { t.Click(Bar(2), 2); }, 0, -1, 1,
            "BarRightClick:2 BarRightClick:2"},
        Row{"MiddleReleaseIsARightClick", [](auto& t) { t.Up(Bar(2), 4); }, 0, -1, 1,
            "BarRightClick:2"},
        Row{"SeveralButtonsPressNothing", [](auto& t) { t.Down(Bar(2), 3); }, 0, 0, 1, ""},
        Row{"ReleaseOnNothingKeepsPressed",
            [](auto& t) {
              t.Down(Bar(2));
              t.Up(kHeader);
            },
            0, 2, 1, ""},
        Row{"LeavePollClearsHoverAndPress",
            [](auto& t) {
              t.Move(Bar(2));
              t.Down(Bar(2));
              t.LeaveControl();
              t.Wait(55);
            },
            -1, -1, 1, ""},
        Row{"LeavePollWaitsWhileInside",
            [](auto& t) {
              t.Move(Bar(2));
              t.Wait(200);
            },
            2, 0, 1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

class BarMouseTest : public MouseFixture {};

TEST_F(BarMouseTest, BarHoverComesWithEveryMoveAndEveryRefreshOverABar) {
  Move(Bar(2));
  EXPECT_EQ(Events(true), "BarHover:2 BarHover:2");  // the move's hit test, its refresh's
  Move(Bar(2));  // same bar: the move's hit test only, no refresh
  EXPECT_EQ(Events(true), "BarHover:2");
  bar->SetCenter(true);  // any refresh
  EXPECT_EQ(Events(true), "BarHover:2");
}

TEST_F(BarMouseTest, EqualCaptionsCountAsOneBarForRepainting) {
  Panels().Item(3)->SetCaption("Panel 2");
  Move(Bar(2));
  const uint64_t passes = Passes();
  Move(Bar(3));
  EXPECT_EQ(State().HoverIndex, 3);
  EXPECT_EQ(Passes(), passes);
}

TEST_F(BarMouseTest, ClickRaisesBarClickBeforeTheSelectionAndPlacesThePanel) {
  auto child = AddChild("Pic2");
  Panels().Item(2)->SetPanel(child);
  int32_t selectedDuringClick = -1;
  bar->BarClick.Connect([&](ShortcutPanel&) { selectedDuringClick = bar->SelectedBar()->Index(); });
  Click(Bar(2));
  EXPECT_EQ(selectedDuringClick, 1);
  EXPECT_EQ(bar->SelectedBar()->Index(), 2);
  EXPECT_TRUE(child->Visible());
}

TEST_F(BarMouseTest, WithoutPanelsOwnMovesChangeNothingAndStartNoPoll) {
  Panels().Clear();
  const uint64_t passes = Passes();
  Move(kHeader);
  EXPECT_EQ(Core().MouseTimer()->Interval(), 0);
  EXPECT_EQ(Passes(), passes);
}

TEST_F(BarMouseTest, PointersFollowTheMouseOnceAToolbarWasVisited) {
  const host::WindowHandle window = site->hWnd();
  Move(Bar(5));  // the toolbar arms the hand for every control of the thread
  Move(Bar(2));
  EXPECT_EQ(host.Windows().GetMousePointer(window), host::MousePointer::kCustom);
  Move(kHeader);
  EXPECT_EQ(host.Windows().GetMousePointer(window), host::MousePointer::kDefault);
}

TEST_F(BarMouseTest, ToolbarIconsShowTheirDisplayTextAfterTheHoverDelay) {
  Panels().Item(5)->SetToolTipText("Caf\xC3\x83\xC2\xA9");  // UTF-8 stored byte by byte
  Move(Bar(5));
  EXPECT_EQ(bar->Inspect().ToolTipText, "Caf\xC3\xA9");
  Wait(600);
  ASSERT_TRUE(host.Tips().Current());
  EXPECT_EQ(host.Tips().Current()->text, "Caf\xC3\xA9");
  Move(Bar(4));
  EXPECT_EQ(bar->Inspect().ToolTipText, "Panel 4");  // no tooltip text: the caption
  Move(kChevron);
  EXPECT_EQ(bar->Inspect().ToolTipText, "");
}

TEST_F(BarMouseTest, MovingOntoTheSplitterCountsAsLeaving) {
  Move(Bar(2));
  const platform::Rect splitter = host.Windows().GetWindowRect(SplitBar().hWnd());
  host.MouseMove({splitter.left + 20, splitter.top + 2});
  Wait(55);
  EXPECT_EQ(State().HoverIndex, -1);
  EXPECT_TRUE(bar->Inspect().MouseLeft);
  EXPECT_EQ(bar->Inspect().MouseTimerInterval, 0);
}

}  // namespace
}  // namespace wayband::testing
