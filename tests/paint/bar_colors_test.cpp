// The colour tables of large bars and toolbar buttons, state by state in both looks, with
// the host's BackColor and HoverColor and the panel colours laid over them, and the caption
// colour. Expected values are the ends after any swap, as painted top to bottom.
#include "render/paint/bar_colors.h"

#include <gtest/gtest.h>

#include <string>

#include "paint_support.h"
#include "render/draw/color_blend.h"
#include "render/scheme/color_math.h"

namespace wayband::render {
namespace {

constexpr BarState kNormal{};
constexpr BarState kSelected{.selected = true};
constexpr BarState kHot{.hot = true};
constexpr BarState kHotSelected{.hot = true, .selected = true};
constexpr BarState kPressed{.pressed = true};
constexpr BarState kPressedHot{.pressed = true, .hot = true};
constexpr BarState kPressedSelected{.pressed = true, .selected = true};
constexpr BarState kPressedHotSelected{.pressed = true, .hot = true, .selected = true};

std::string Name(BarState s) {
  return std::string(s.pressed ? "pressed " : "") + (s.hot ? "hot " : "") +
         (s.selected ? "selected" : "") + (s.IsNormal() ? "normal" : "");
}

constexpr OleColor kBack = 0x336699;
constexpr OleColor kHover = 0x2288EE;
const HostColor kBackSet{true, kBack};
const HostColor kHoverSet{true, kHover};
const HostColor kDefault{};

BarFill Tint(OleColor c, int bottomWeight, bool swap = false) {
  const OleColor top = BlendColors(c, kWhite, 128);
  const OleColor bottom = BlendColors(c, kBlack, bottomWeight);
  return swap ? BarFill{true, bottom, top} : BarFill{true, top, bottom};
}

// Every state: the palette ends of the styled and the plain look, and the tints of the
// host colours (large bar with BackColor and HoverColor set, button with HoverColor set).
struct StateRow {
  BarState state;
  Slot styledTop, styledBottom, plainTop, plainBottom;
  BarFill hostLargeBar, hostButton;
};

const StateRow kRows[] = {
    {kNormal, Slot::StyledBarTop, Slot::StyledBarBottom, Slot::BarTop, Slot::BarBottom,
     Tint(kBack, 200), BarFill{}},
    {kSelected, Slot::StyledSelectedTop, Slot::StyledSelectedBottom, Slot::SelectedFill,
     Slot::SelectedFill, Tint(kHover, 200), Tint(kHover, 200)},
    {kHot, Slot::StyledHotTop, Slot::StyledHotBottom, Slot::HotFill, Slot::HotFill,
     Tint(kHover, 200), Tint(kHover, 200)},
    {kHotSelected, Slot::StyledPressedBottom, Slot::StyledPressedTop, Slot::PressedFill,
     Slot::PressedFill, Tint(kHover, 200, /*swap=*/true), Tint(kHover, 100)},
    {kPressed, Slot::StyledPressedBottom, Slot::StyledPressedTop, Slot::PressedFill,
     Slot::PressedFill, Tint(kHover, 100, true), Tint(kHover, 200, true)},
    {kPressedHot, Slot::StyledPressedBottom, Slot::StyledPressedTop, Slot::PressedFill,
     Slot::PressedFill, Tint(kHover, 100, true), Tint(kHover, 200, true)},
    {kPressedSelected, Slot::StyledPressedTop, Slot::StyledPressedBottom, Slot::PressedFill,
     Slot::PressedFill, Tint(kHover, 200, true), Tint(kHover, 100, true)},
    {kPressedHotSelected, Slot::StyledPressedTop, Slot::StyledPressedBottom, Slot::PressedFill,
     Slot::PressedFill, Tint(kHover, 200, true), Tint(kHover, 100, true)},
};

TEST(BarFills, EveryStateInBothLooksWithAndWithoutHostColours) {
  const SchemePalette p = testing::NumberedPalette();
  for (const StateRow& row : kRows) {
    for (const bool styled : {true, false}) {
      SCOPED_TRACE((styled ? "styled " : "plain ") + Name(row.state));
      const BarFill palette = styled ? BarFill{true, p[row.styledTop], p[row.styledBottom]}
                                     : BarFill{true, p[row.plainTop], p[row.plainBottom]};
      EXPECT_EQ(LargeBarFill(styled, row.state, p, kDefault, kDefault, {}), palette);
      // HoverColor alone never reaches a large bar; BackColor alone tints the normal one.
      EXPECT_EQ(LargeBarFill(styled, row.state, p, kDefault, kHoverSet, {}), palette);
      EXPECT_EQ(LargeBarFill(styled, row.state, p, kBackSet, kDefault, {}),
                row.state.IsNormal() ? Tint(kBack, 200) : palette);
      // Both set: the host table and its swap, in the plain look as well.
      EXPECT_EQ(LargeBarFill(styled, row.state, p, kBackSet, kHoverSet, {}), row.hostLargeBar);
      EXPECT_EQ(ToolbarButtonFill(styled, row.state, p, kDefault),
                row.state.IsNormal() ? BarFill{} : palette);
      EXPECT_EQ(ToolbarButtonFill(styled, row.state, p, kHoverSet), row.hostButton);
    }
  }
}

TEST(BarFills, PanelColoursReplaceTheEndsTheyAreSetFor) {
  const SchemePalette p = testing::NumberedPalette();
  constexpr OleColor kOne = 0x102030;
  constexpr OleColor kTwo = 0x405060;
  const PanelBackColors normalPair{.backColor1 = kOne, .backColor2 = kTwo};
  const PanelBackColors normalFirst{.backColor1 = kOne};
  const PanelBackColors secondOnly{.backColor2 = kTwo, .backColorHover2 = kTwo};
  const PanelBackColors hoverPair{.backColorHover1 = kOne, .backColorHover2 = kTwo};
  const PanelBackColors hoverFirst{.backColorHover1 = kOne};
  const OleColor dark1 = DarkenLightness(kOne);
  const OleColor dark2 = DarkenLightness(kTwo);
  const struct {
    bool styled;
    BarState state;
    PanelBackColors panel;
    BarFill fill;
  } cases[] = {
      {true, kNormal, normalPair, {true, kOne, kTwo}},
      {true, kNormal, normalFirst, {true, kOne, p[Slot::StyledBarBottom]}},
      // The second colour without the first has no effect.
      {true, kNormal, secondOnly, {true, p[Slot::StyledBarTop], p[Slot::StyledBarBottom]}},
      {false, kSelected, secondOnly, {true, p[Slot::SelectedFill], p[Slot::SelectedFill]}},
      // The normal bar ignores the hover colours; other states ignore BackColor1 and 2.
      {true, kNormal, hoverPair, {true, p[Slot::StyledBarTop], p[Slot::StyledBarBottom]}},
      {true, kHot, normalPair, {true, p[Slot::StyledHotTop], p[Slot::StyledHotBottom]}},
      // Hot only: not darkened.
      {true, kHot, hoverPair, {true, kOne, kTwo}},
      {false, kHot, hoverFirst, {true, kOne, p[Slot::HotFill]}},
      // Selected or pressed: darkened, then swapped with the look.
      {true, kSelected, hoverPair, {true, dark1, dark2}},
      {false, kPressed, hoverPair, {true, dark1, dark2}},
      {true, kPressed, hoverPair, {true, dark2, dark1}},
      {true, kHotSelected, hoverFirst, {true, p[Slot::StyledPressedBottom], dark1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LargeBarFill(c.styled, c.state, p, kDefault, kDefault, c.panel), c.fill)
        << (c.styled ? "styled " : "plain ") << Name(c.state);
  }
  // Panel colours go over the host colours too.
  EXPECT_EQ(LargeBarFill(true, kNormal, p, kBackSet, kHoverSet, normalFirst),
            (BarFill{true, kOne, Tint(kBack, 200).bottom}));
}

TEST(BarCaptionColor, PanelColoursByStateThenTheControlsAndGreyWhenDisabled) {
  const SchemePalette p = testing::NumberedPalette();
  constexpr OleColor kControl = 0x112233;
  const CaptionColorInputs panel{0x0000FF, 0x00FF00, kControl, true};
  const CaptionColorInputs hoverOnly{kDefaultCaptionColor, 0x00FF00, kControl, true};
  CaptionColorInputs disabled = panel;
  disabled.controlEnabled = false;
  const struct {
    bool styled;
    BarState state;
    CaptionColorInputs inputs;
    OleColor color;
  } cases[] = {
      {true, kNormal, panel, 0x0000FF},
      {true, kHot, panel, 0x00FF00},
      {false, kPressedSelected, panel, 0x00FF00},
      {true, kNormal, hoverOnly, kControl},
      {true, kSelected, hoverOnly, 0x00FF00},
      {true, kHot, disabled, BlendColors(p[Slot::StyledBarBottom], 0x666666, 200)},
      {false, kNormal, disabled, BlendColors(p[Slot::DarkFace], 0x666666, 200)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LargeBarCaptionColor(c.styled, c.state, p, c.inputs), c.color) << Name(c.state);

  // A host colour is set unless button face, and holds the translated colour.
  EXPECT_FALSE(HostColor::FromProperty(kNoColorChosen).set);
  EXPECT_EQ(HostColor::FromProperty(0x123456).color, 0x123456u);
  const HostColor system = HostColor::FromProperty(0x80000005);  // the window colour
  EXPECT_TRUE(system.set);
  EXPECT_EQ(system.color & 0xFF000000u, 0u);
}

}  // namespace
}  // namespace wayband::render
