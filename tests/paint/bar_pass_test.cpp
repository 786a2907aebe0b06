// The bar pass of a live control: where bars and buttons go, what each shows in its state
// on the control's and the toolbar's surfaces, the host's and the panels' colours, icons,
// the selected bar's font, and the bar image cache across refreshes and resizes.
#include "core/bar_pass.h"

#include <gtest/gtest.h>

#include <string_view>

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
    // Cached bars keep the look they were painted in until the next resize.
    for (core::PanelRecord& record : Core().MutableState().panels.Records())
      record.iBarImageStale = core::kBarImageStale;
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

TEST_F(BarPass, TheRefreshPlacesBarsAndButtonsOfTheLiveControl) {
  EXPECT_EQ(Record(2).rcItem, (Rect{0, 366 - 31, 199, 367}));
  EXPECT_EQ(Record(3).rcItem, (Rect{143, 3, 165, 31}));
  EXPECT_TRUE(Record(4).bInToolbar);
  EXPECT_EQ(Record(4).rcItem, Rect{});
  AddPanels(1);
  bar->SetBarsToShow(3);
  EXPECT_EQ(State().BarsTop, 366 - 95);
  EXPECT_EQ(Record(3).rcItem, (Rect{0, 335, 199, 367}));
  Panels().Item(2)->SetVisible(false);
  EXPECT_EQ(Record(4).rcItem.top, 335);
  EXPECT_FALSE(Record(4).bInToolbar);
  EXPECT_EQ(Record(2).rcItem, Rect{});
}

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
  EXPECT_NE(ColorAt(Core().ControlSurface(), 7, top1 + 4), kRed);
  EXPECT_EQ(ColorAt(Core().ToolbarSurface(), Record(3).rcItem.left + 2, 9), kRed);
  bar->SetRightToLeft(true);
  EXPECT_EQ(ColorAt(Core().ControlSurface(), 200 - 34, top1 + 4), kRed);
  EXPECT_NE(ColorAt(Core().ControlSurface(), 8, top1 + 4), kRed);
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

TEST_F(BarPass, ANormalBarIsCopiedFromItsCacheUntilAResize) {
  UseLook(true);
  SetIndices(-1, -1);
  ASSERT_NE(Record(2).oBarImage, nullptr);
  EXPECT_EQ(Record(2).iBarImageStale, 0);
  EXPECT_EQ(Record(1).oBarImage, nullptr);  // selected: painted straight
  // A palette change does not reach a cached bar; a resize repaints it.
  Core().MutableState().Palette[Slot::StyledBarTop] = 0x000080;
  Core().Refresh();
  EXPECT_EQ(BarTopColor(2), NumberedPalette()[Slot::StyledBarTop]);
  bar->SetAutoHide(false);  // keep the bars through the resize
  ResizePixels(220, 400);
  EXPECT_EQ(Record(2).oBarImage->Width(), 219);
  EXPECT_EQ(BarTopColor(2), 0x000080u);
}

}  // namespace
}  // namespace wayband::testing
