// The bar pass: which panels become large bars and which toolbar buttons and the rcItem
// each gets (hidden panels, a full toolbar, buttons placed from the right or the left, the
// chevron's reserve), and on a live control the palette ends each state shows.
#include "core/bar_pass.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/control_fixture.h"
#include "paint_support.h"
#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"

namespace wayband::testing {
namespace {

using platform::Rect;
using render::Slot;

// A button placed from the left, the n-th (1-based): 22 * n - 18.
constexpr Rect FromLeft(int32_t n) {
  return {22 * n - 18, 3, 22 * n + 4, 31};
}
constexpr Rect kBar1{0, 205, 199, 237};
constexpr Rect kBar2{0, 237, 199, 269};
// Against the right end with rem = 1: 200 - 35 - 22.
constexpr Rect kRightmost{143, 3, 165, 31};

struct PlacementCase {
  const char* what;
  std::vector<bool> visible;
  int32_t barsToShow;
  int32_t toolbarWidth;
  int32_t largeBars;
  std::vector<Rect> rects;      // rcItem of each panel
  std::vector<bool> inToolbar;  // bInToolbar of each panel
};

TEST(BarPlacement, LargeBarsStackFromBarsTopAndTheRestGoToTheToolbar) {
  const std::vector<bool> twelve(12, true);
  const std::vector<bool> seven(7, true);
  // clang-format off
  const PlacementCase cases[] = {
      // Against the right end the last button reaches the chevron's 20 pixels: not drawn.
      {"three panels", {true, true, true}, 2, 200, 2, {kBar1, kBar2, {}}, {false, false, true}},
      {"hidden bar", {false, true, true}, 2, 200, 2, {{}, kBar1, kBar2}, {false, false, false}},
      {"hidden button", {true, false, true, true}, 1, 200, 1, {kBar1, {}, kRightmost, {}},
       {false, false, true, true}},
      // 200 pixels hold 8 buttons; ten candidates: placed from the left; the eighth reaches
      // the chevron and the ninth and tenth are beyond the capacity.
      {"full toolbar", twelve, 2, 200, 2,
       {kBar1, kBar2, FromLeft(1), FromLeft(2), FromLeft(3), FromLeft(4), FromLeft(5),
        FromLeft(6), FromLeft(7), {}, {}, {}},
       {false, false, true, true, true, true, true, true, true, true, false, false}},
      // Capacity 5: the first candidate has rem 5 >= 4 and starts from the left; later ones,
      // with rem below 4, keep going from the left.
      {"once from the left", seven, 1, 115, 1,
       {kBar1, FromLeft(1), FromLeft(2), FromLeft(3), FromLeft(4), {}, {}},
       {false, true, true, true, true, true, false}},
      {"no bars", {true, true}, -1, 200, 0, {kRightmost, {}}, {true, true}},
      {"narrow toolbar", {true, true}, 0, 22, 0, {{}, {}}, {false, false}},
  };
  // clang-format on
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.what);
    core::ControlState state;
    for (const bool visible : c.visible) {
      core::PanelRecord record;
      record.bVisible = visible;
      record.rcItem = {7, 7, 7, 7};  // stale rectangles must be cleared
      record.bInToolbar = true;
      state.panels.Records().push_back(record);
    }
    const core::BarPassGeometry g{.barsTop = 205,
                                  .barsToShow = c.barsToShow,
                                  .controlWidth = 200,
                                  .toolbarWidth = c.toolbarWidth,
                                  .buttonBottom = 31};
    EXPECT_EQ(core::RunBarPass(state, g, {}, {}), c.largeBars);
    for (size_t i = 0; i < c.visible.size(); ++i) {
      EXPECT_EQ(state.panels.Records()[i].rcItem, c.rects[i]) << i;
      EXPECT_EQ(state.panels.Records()[i].bInToolbar, c.inToolbar[i]) << i;
    }
  }
}

// On a live control, the state each panel is in picks its palette ends: four panels, 1
// (selected) and 2 large bars, 3 a toolbar button; each row gives the hover and pressed
// panels and the slot the first row of one panel's gradient shows in either look.
using BarPassStates = ControlFixture;

TEST_F(BarPassStates, LargeBarsAndButtonsShowTheirStatesInBothLooks) {
  const struct {
    int32_t hover, pressed, index;
    Slot styled, plain;
  } cases[] = {
      {2, -1, 1, Slot::StyledSelectedTop, Slot::SelectedFill},
      {2, -1, 2, Slot::StyledHotTop, Slot::HotFill},
      {1, 1, 1, Slot::StyledPressedTop, Slot::PressedFill},
      {1, 1, 2, Slot::StyledBarTop, Slot::BarTop},
      {3, 3, 3, Slot::StyledPressedBottom, Slot::PressedFill},
  };
  AddPanels(4);
  bar->SetBarsToShow(2);
  const platform::DesktopState saved = platform::CurrentDesktop().State();
  core::ControlState& state = Core().MutableState();
  for (const bool styled : {true, false}) {
    platform::SetCurrentDesktop(*platform::FindDesktopPreset(
        styled ? platform::kPresetStyledNormalColor : "Windows Standard"));
    state.Palette = NumberedPalette();
    for (core::PanelRecord& record : state.panels.Records())
      record.iBarImageStale = core::kBarImageStale;  // cached bars keep their look otherwise
    for (const auto& c : cases) {
      state.HoverIndex = c.hover;
      state.PressedIndex = c.pressed;
      Core().Refresh();
      const Rect& r = state.panels.At(c.index)->rcItem;
      const platform::ColorRef shown = c.index == 3
                                           ? ColorAt(Core().ToolbarSurface(), r.left + 1, r.top)
                                           : ColorAt(Core().ControlSurface(), 20, r.top + 1);
      EXPECT_EQ(shown, state.Palette[styled ? c.styled : c.plain])
          << styled << " panel " << c.index << " hover " << c.hover;
    }
  }
  platform::SetCurrentDesktop(saved);
}

// A normal bar is copied from its cached image while its look holds; a palette change
// repaints it at once, and a resize remakes it at the new size.
TEST_F(BarPassStates, ANormalBarIsCopiedFromItsCacheWhileItsLookHolds) {
  AddPanels(4);
  bar->SetBarsToShow(2);
  const platform::DesktopState saved = platform::CurrentDesktop().State();
  platform::SetCurrentDesktop(*platform::FindDesktopPreset(platform::kPresetStyledNormalColor));
  core::ControlState& state = Core().MutableState();
  state.Palette = NumberedPalette();
  Core().Refresh();
  const auto* cached = state.panels.At(2)->oBarImage.get();
  ASSERT_NE(cached, nullptr);
  EXPECT_EQ(state.panels.At(1)->oBarImage, nullptr);  // selected: painted straight
  Core().Refresh();
  EXPECT_EQ(state.panels.At(2)->oBarImage.get(), cached);
  state.Palette[Slot::StyledBarTop] = 0x000080;
  Core().Refresh();
  EXPECT_EQ(ColorAt(Core().ControlSurface(), 20, state.panels.At(2)->rcItem.top + 1), 0x000080u);
  bar->SetAutoHide(false);  // keep the bars through the resize
  ResizePixels(220, 400);
  EXPECT_EQ(state.panels.At(2)->oBarImage->Width(), 219);
  platform::SetCurrentDesktop(saved);
}

}  // namespace
}  // namespace wayband::testing
