// The bar pass: which panels become large bars and which toolbar buttons and the rcItem
// each gets (hidden panels, a full toolbar, buttons placed from the right or the left, the
// chevron's reserve); on a live control, what each shows in its state
// on the control's and the toolbar's surfaces, the host's and the panels' colours, icons,
// the selected bar's font, and the bar image cache across refreshes and resizes.
#include "core/bar_pass.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

#include "core/control_fixture.h"
#include "paint_support.h"
#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"
#include "render/draw/color_blend.h"
#include "render/paint/bar_colors.h"
#include "render/scheme/color_math.h"
#include "render/scheme/scheme_update.h"

namespace wayband::testing {
namespace {

using platform::ColorRef;
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

constexpr ColorRef kRed = platform::RGB(230, 20, 20);

// Four panels on a chosen desktop (put back afterwards): 1 (selected) and 2 large bars, 3
// and 4 toolbar buttons of which 4, placed against the chevron, is not drawn.
class BarPass : public ControlFixture {
 protected:
  BarPass() {
    AddPanels(4);
    bar->SetBarsToShow(2);
  }
  ~BarPass() override { platform::SetCurrentDesktop(saved_); }

  // Chooses the look (a styled or a classic desktop) and paints with numbered colours.
  void UseLook(bool styled) {
    const std::string_view preset =
        styled ? platform::kPresetStyledNormalColor : "Windows Standard";
    platform::SetCurrentDesktop(*platform::FindDesktopPreset(preset));
    render::UpdateColorScheme(Core().MutableState().Palette, State().WindowHandle);
    Core().MutableState().Palette = NumberedPalette();
  }
  render::OleColor PaletteColor(Slot slot) { return State().Palette[slot]; }
  core::PanelRecord& Record(int32_t index) { return *Core().MutableState().panels.At(index); }
  void SetIndices(int32_t hover, int32_t pressed) {
    Core().MutableState().HoverIndex = hover;
    Core().MutableState().PressedIndex = pressed;
    Core().Refresh();
  }
  // The first row of a large bar's gradient, one pixel below its top edge, and of a button.
  ColorRef BarTopColor(int32_t index) {
    return ColorAt(Core().ControlSurface(), 20, Record(index).rcItem.top + 1);
  }
  ColorRef ButtonTopColor(int32_t index) {
    const Rect& r = Record(index).rcItem;
    return ColorAt(Core().ToolbarSurface(), r.left + 1, r.top);
  }

 private:
  platform::DesktopState saved_ = platform::CurrentDesktop().State();
};

TEST_F(BarPass, LargeBarsAndButtonsShowTheirStatesInBothLooks) {
  for (const bool styled : {true, false}) {
    UseLook(styled);
    SetIndices(/*hover=*/2, /*pressed=*/-1);
    EXPECT_EQ(BarTopColor(1), PaletteColor(styled ? Slot::StyledSelectedTop : Slot::SelectedFill));
    EXPECT_EQ(BarTopColor(2), PaletteColor(styled ? Slot::StyledHotTop : Slot::HotFill));
    EXPECT_EQ(ColorAt(Core().ControlSurface(), 0, Record(1).rcItem.top + 10),
              PaletteColor(Slot::Border));
    SetIndices(/*hover=*/1, /*pressed=*/1);
    EXPECT_EQ(BarTopColor(1), PaletteColor(styled ? Slot::StyledPressedTop : Slot::PressedFill));
    EXPECT_EQ(BarTopColor(2), PaletteColor(styled ? Slot::StyledBarTop : Slot::BarTop));
    SetIndices(/*hover=*/3, /*pressed=*/3);
    EXPECT_EQ(ButtonTopColor(3),
              PaletteColor(styled ? Slot::StyledPressedBottom : Slot::PressedFill));
  }
}

TEST_F(BarPass, HostPanelColoursAndIconsReachBarsAndButtons) {
  UseLook(true);
  // HoverColor reaches buttons, and large bars only once BackColor is set.
  constexpr uint32_t kHover = 0x2288EE;
  const ColorRef tinted = render::BlendColors(kHover, render::kWhite, 128);
  bar->SetHoverColor(kHover);
  SetIndices(/*hover=*/2, -1);
  EXPECT_EQ(BarTopColor(2), PaletteColor(Slot::StyledHotTop));
  SetIndices(/*hover=*/3, -1);
  EXPECT_EQ(ButtonTopColor(3), tinted);
  bar->SetBackColor(0x336699);
  SetIndices(/*hover=*/2, -1);
  EXPECT_EQ(BarTopColor(2), tinted);
  bar->SetBackColor(render::kNoColorChosen);
  bar->SetHoverColor(render::kNoColorChosen);
  // Icons by case-insensitive key; the panel's colours over the palette's.
  Core().MutableState().Icons.Add(SolidIcon("Mail", kRed));
  for (int32_t i = 1; i <= 3; ++i)
    Panels().Item(i)->SetIconKey("mail");
  Panels().Item(2)->SetBackColor2(0x00FF00);  // no BackColor1: no effect
  Panels().Item(1)->SetBackColorHover1(0xFFFFFF);
  SetIndices(-1, -1);
  EXPECT_EQ(BarTopColor(2), PaletteColor(Slot::StyledBarTop));
  EXPECT_EQ(BarTopColor(1), 0xCCCCCCu);  // the selected bar darkens its hover colour
  const int32_t top1 = Record(1).rcItem.top;
  EXPECT_EQ(ColorAt(Core().ControlSurface(), 8, top1 + 4), kRed);
  EXPECT_EQ(ColorAt(Core().ToolbarSurface(), Record(3).rcItem.left + 2, 9), kRed);
  // A disabled panel shows its icon greyed, on a bar (the selected one) or a button.
  Panels().Item(1)->SetEnabled(false);
  Panels().Item(3)->SetEnabled(false);
  EXPECT_NE(ColorAt(Core().ControlSurface(), 8, top1 + 4), kRed);
  EXPECT_NE(ColorAt(Core().ToolbarSurface(), Record(3).rcItem.left + 2, 9), kRed);
  Panels().Item(1)->SetEnabled(true);
  bar->SetRightToLeft(true);
  EXPECT_EQ(ColorAt(Core().ControlSurface(), 200 - 34, top1 + 4), kRed);
}

TEST_F(BarPass, TheSelectedBarWritesItsCaptionInSelectedFont) {
  auto large = std::make_shared<StdFont>();
  large->SetSize(16);
  bar->SetSelectedFont(large);
  // Each bar's caption ink: its bar with the caption against the same bar without.
  const auto inkWidth = [&](int32_t index) {
    const Rect r = Record(index).rcItem;
    imaging::CDib32 with = ClearedSurface(r.Width(), r.Height(), 0);
    with.LoadFromDC(Core().ControlSurface().hDC(), r.left, r.top);
    Panels().Item(index)->SetCaption("");
    imaging::CDib32 without = ClearedSurface(r.Width(), r.Height(), 0);
    without.LoadFromDC(Core().ControlSurface().hDC(), r.left, r.top);
    return ChangedBounds(with, without).Width();
  };
  const int32_t selected = inkWidth(1);
  const int32_t other = inkWidth(2);
  EXPECT_GT(other, 0);
  EXPECT_GT(selected, other * 3 / 2);
}

TEST_F(BarPass, ANormalBarIsCopiedFromItsCacheWhileItsLookHolds) {
  UseLook(true);
  SetIndices(-1, -1);
  ASSERT_NE(Record(2).oBarImage, nullptr);
  EXPECT_EQ(Record(2).iBarImageStale, 0);
  EXPECT_EQ(Record(1).oBarImage, nullptr);  // selected: painted straight
  // A palette change repaints the cached bar at once; a resize remakes it at the new size.
  const auto* cached = Record(2).oBarImage.get();
  Core().Refresh();
  EXPECT_EQ(Record(2).oBarImage.get(), cached);
  Core().MutableState().Palette[Slot::StyledBarTop] = 0x000080;
  Core().Refresh();
  EXPECT_EQ(BarTopColor(2), 0x000080u);
  bar->SetAutoHide(false);  // keep the bars through the resize
  ResizePixels(220, 400);
  EXPECT_EQ(Record(2).oBarImage->Width(), 219);
}

}  // namespace
}  // namespace wayband::testing
