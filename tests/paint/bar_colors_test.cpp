// The colour tables of large bars and toolbar buttons, row by row in both looks, with the
// host's BackColor and HoverColor and the panel colours laid over them, and the caption
// colour. Expected values are the ends after any swap, as painted top to bottom.
#include "render/paint/bar_colors.h"

#include <gtest/gtest.h>

#include <vector>

#include "paint_support.h"
#include "render/draw/color_blend.h"
#include "render/scheme/color_math.h"

namespace wayband::render {
namespace {

using testing::NumberedPalette;

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

struct SlotCase {
  BarState state;
  Slot top;
  Slot bottom;
};

// Every state of the styled look, ends as painted.
const std::vector<SlotCase> kStyledCases = {
    {kNormal, Slot::StyledBarTop, Slot::StyledBarBottom},
    {kSelected, Slot::StyledSelectedTop, Slot::StyledSelectedBottom},
    {kHot, Slot::StyledHotTop, Slot::StyledHotBottom},
    {kHotSelected, Slot::StyledPressedBottom, Slot::StyledPressedTop},
    {kPressed, Slot::StyledPressedBottom, Slot::StyledPressedTop},
    {kPressedHot, Slot::StyledPressedBottom, Slot::StyledPressedTop},
    {kPressedSelected, Slot::StyledPressedTop, Slot::StyledPressedBottom},
    {kPressedHotSelected, Slot::StyledPressedTop, Slot::StyledPressedBottom},
};

const std::vector<SlotCase> kPlainCases = {
    {kNormal, Slot::BarTop, Slot::BarBottom},
    {kSelected, Slot::SelectedFill, Slot::SelectedFill},
    {kHot, Slot::HotFill, Slot::HotFill},
    {kHotSelected, Slot::PressedFill, Slot::PressedFill},
    {kPressed, Slot::PressedFill, Slot::PressedFill},
    {kPressedHot, Slot::PressedFill, Slot::PressedFill},
    {kPressedSelected, Slot::PressedFill, Slot::PressedFill},
    {kPressedHotSelected, Slot::PressedFill, Slot::PressedFill},
};

BarFill Expected(const SchemePalette& p, const SlotCase& c) {
  return {true, p[c.top], p[c.bottom]};
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

TEST(LargeBarFill, PaletteRowsOfBothLooks) {
  const SchemePalette p = NumberedPalette();
  for (const bool styled : {true, false}) {
    for (const SlotCase& c : styled ? kStyledCases : kPlainCases) {
      EXPECT_EQ(LargeBarFill(styled, c.state, p, kDefault, kDefault, {}), Expected(p, c))
          << (styled ? "styled " : "plain ") << Name(c.state);
      // HoverColor alone never reaches a large bar.
      EXPECT_EQ(LargeBarFill(styled, c.state, p, kDefault, kHoverSet, {}), Expected(p, c));
    }
  }
}

TEST(LargeBarFill, BackColorAloneTintsOnlyTheNormalBar) {
  const SchemePalette p = NumberedPalette();
  for (const bool styled : {true, false}) {
    for (const SlotCase& c : styled ? kStyledCases : kPlainCases) {
      const BarFill expected = c.state.IsNormal() ? Tint(kBack, 200) : Expected(p, c);
      EXPECT_EQ(LargeBarFill(styled, c.state, p, kBackSet, kDefault, {}), expected)
          << (styled ? "styled " : "plain ") << Name(c.state);
    }
  }
}

TEST(LargeBarFill, BackColorAndHoverColorTogether) {
  const SchemePalette p = NumberedPalette();
  const struct {
    BarState state;
    BarFill fill;
  } cases[] = {
      {kNormal, Tint(kBack, 200)},
      {kSelected, Tint(kHover, 200)},
      {kHot, Tint(kHover, 200)},
      {kHotSelected, Tint(kHover, 200, /*swap=*/true)},
      {kPressed, Tint(kHover, 100, true)},
      {kPressedHot, Tint(kHover, 100, true)},
      {kPressedSelected, Tint(kHover, 200, true)},
      {kPressedHotSelected, Tint(kHover, 200, true)},
  };
  // The swap of the host colours holds in the plain look as well.
  for (const bool styled : {true, false}) {
    for (const auto& c : cases) {
      EXPECT_EQ(LargeBarFill(styled, c.state, p, kBackSet, kHoverSet, {}), c.fill)
          << (styled ? "styled " : "plain ") << Name(c.state);
    }
  }
}

TEST(LargeBarFill, PanelColoursReplaceTheEndsTheyAreSetFor) {
  const SchemePalette p = NumberedPalette();
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

TEST(ToolbarButtonFill, WithoutHoverColorThePaletteRowsButNoFillWhenNormal) {
  const SchemePalette p = NumberedPalette();
  for (const bool styled : {true, false}) {
    for (const SlotCase& c : styled ? kStyledCases : kPlainCases) {
      const BarFill expected = c.state.IsNormal() ? BarFill{} : Expected(p, c);
      EXPECT_EQ(ToolbarButtonFill(styled, c.state, p, kDefault), expected)
          << (styled ? "styled " : "plain ") << Name(c.state);
    }
  }
}

TEST(ToolbarButtonFill, HoverColorTableInBothLooks) {
  const SchemePalette p = NumberedPalette();
  const struct {
    BarState state;
    BarFill fill;
  } cases[] = {
      {kNormal, BarFill{}},
      {kSelected, Tint(kHover, 200)},
      {kHot, Tint(kHover, 200)},
      {kHotSelected, Tint(kHover, 100)},
      {kPressed, Tint(kHover, 200, /*swap=*/true)},
      {kPressedHot, Tint(kHover, 200, true)},
      {kPressedSelected, Tint(kHover, 100, true)},
      {kPressedHotSelected, Tint(kHover, 100, true)},
  };
  for (const bool styled : {true, false}) {
    for (const auto& c : cases) {
      EXPECT_EQ(ToolbarButtonFill(styled, c.state, p, kHoverSet), c.fill)
          << (styled ? "styled " : "plain ") << Name(c.state);
    }
  }
}

TEST(LargeBarCaptionColor, PanelColoursByStateThenTheControlsAndGreyWhenDisabled) {
  const SchemePalette p = NumberedPalette();
  constexpr OleColor kControl = 0x112233;
  constexpr OleColor kPanel = 0x0000FF;
  constexpr OleColor kPanelHover = 0x00FF00;
  const CaptionColorInputs panelColours{kPanel, kPanelHover, kControl, true};
  const CaptionColorInputs defaults{kDefaultCaptionColor, kDefaultCaptionColor, kControl, true};
  const CaptionColorInputs hoverOnly{kDefaultCaptionColor, kPanelHover, kControl, true};

  EXPECT_EQ(LargeBarCaptionColor(true, kNormal, p, panelColours), kPanel);
  EXPECT_EQ(LargeBarCaptionColor(true, kHot, p, panelColours), kPanelHover);
  EXPECT_EQ(LargeBarCaptionColor(false, kPressedSelected, p, panelColours), kPanelHover);
  EXPECT_EQ(LargeBarCaptionColor(true, kNormal, p, defaults), kControl);
  EXPECT_EQ(LargeBarCaptionColor(true, kNormal, p, hoverOnly), kControl);
  EXPECT_EQ(LargeBarCaptionColor(true, kSelected, p, hoverOnly), kPanelHover);

  CaptionColorInputs disabled = panelColours;
  disabled.controlEnabled = false;
  EXPECT_EQ(LargeBarCaptionColor(true, kHot, p, disabled),
            BlendColors(p[Slot::StyledBarBottom], 0x666666, 200));
  EXPECT_EQ(LargeBarCaptionColor(false, kNormal, p, disabled),
            BlendColors(p[Slot::DarkFace], 0x666666, 200));
}

TEST(HostColor, SetMeansAnyValueButButtonFaceAndHoldsTheTranslatedColour) {
  EXPECT_FALSE(HostColor::FromProperty(kNoColorChosen).set);
  const HostColor plain = HostColor::FromProperty(0x123456);
  EXPECT_TRUE(plain.set);
  EXPECT_EQ(plain.color, 0x123456u);
  const HostColor system = HostColor::FromProperty(0x80000005);  // the window colour
  EXPECT_TRUE(system.set);
  EXPECT_EQ(system.color & 0xFF000000u, 0u);
}

}  // namespace
}  // namespace wayband::render
