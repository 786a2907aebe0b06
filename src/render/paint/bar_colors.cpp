#include "render/paint/bar_colors.h"

#include <span>
#include <utility>

#include "render/draw/color_blend.h"
#include "render/scheme/color_math.h"

namespace wayband::render {
namespace {

// One column of a state table: the row wants the part of the state held, not held, or
// does not care.
enum class Is : uint8_t { kNo, kYes, kAny };
constexpr Is kNo = Is::kNo;
constexpr Is kYes = Is::kYes;
constexpr Is kAny = Is::kAny;

constexpr bool Fits(Is wanted, bool held) {
  return wanted == kAny || (wanted == kYes) == held;
}

struct StateMatch {
  Is pressed;
  Is hot;
  Is selected;

  bool Matches(BarState s) const {
    return Fits(pressed, s.pressed) && Fits(hot, s.hot) && Fits(selected, s.selected);
  }
};

// The first row whose state columns match; every table below covers all eight states.
template <typename Row>
const Row& RowFor(std::span<const Row> rows, BarState state) {
  for (const Row& row : rows) {
    if (row.when.Matches(state)) return row;
  }
  return rows.front();
}

// --- Palette colours ----------------------------------------------------------------------

struct SlotRow {
  StateMatch when;
  Slot top;
  Slot bottom;
};

// clang-format off
// Styled look; the swap (SwapsEnds) comes afterwards.
constexpr SlotRow kStyledRows[] = {
    // pressed hot   selected   top                         bottom
    {{kNo,  kNo,  kNo},  Slot::StyledBarTop,        Slot::StyledBarBottom},
    {{kNo,  kNo,  kYes}, Slot::StyledSelectedTop,   Slot::StyledSelectedBottom},
    {{kNo,  kYes, kNo},  Slot::StyledHotTop,        Slot::StyledHotBottom},
    {{kNo,  kYes, kYes}, Slot::StyledPressedTop,    Slot::StyledPressedBottom},
    {{kYes, kAny, kNo},  Slot::StyledPressedTop,    Slot::StyledPressedBottom},
    {{kYes, kAny, kYes}, Slot::StyledPressedBottom, Slot::StyledPressedTop},
};

// Plain look: one colour for both ends (a flat fill), except the normal bar; no swap.
constexpr SlotRow kPlainRows[] = {
    // pressed hot   selected   top                 bottom
    {{kNo,  kNo,  kNo},  Slot::BarTop,       Slot::BarBottom},
    {{kNo,  kNo,  kYes}, Slot::SelectedFill, Slot::SelectedFill},
    {{kNo,  kYes, kNo},  Slot::HotFill,      Slot::HotFill},
    {{kNo,  kYes, kYes}, Slot::PressedFill,  Slot::PressedFill},
    {{kYes, kAny, kAny}, Slot::PressedFill,  Slot::PressedFill},
};
// clang-format on

// The gradient's ends exchanged: a pressed bar, and a hot one that is also selected.
bool SwapsEnds(BarState s) {
  return s.pressed || (s.hot && s.selected);
}

// Top and bottom colours before any swap.
struct Ends {
  OleColor top = 0;
  OleColor bottom = 0;
};

Ends PaletteEnds(bool styled, BarState state, const SchemePalette& palette) {
  const SlotRow& row =
      styled ? RowFor<SlotRow>(kStyledRows, state) : RowFor<SlotRow>(kPlainRows, state);
  return {palette[row.top], palette[row.bottom]};
}

// --- Host colours -------------------------------------------------------------------------

// A host colour as a gradient: its even mix with white at the top, its mix with black at
// the bottom.
constexpr int kTopWhiteWeight = 128;
constexpr int kBottomBlackWeight = 200;
constexpr int kBottomBlackWeightDeep = 100;

Ends Tinted(OleColor color, int bottomWeight) {
  return {BlendColors(color, kWhite, kTopWhiteWeight), BlendColors(color, kBlack, bottomWeight)};
}

enum class Source : uint8_t { kBackColor, kHoverColor };

struct HostRow {
  StateMatch when;
  Source source;
  int bottomWeight;
};

// Large bars while BackColor is set; a HoverColor row applies only when HoverColor is set.
// clang-format off
constexpr HostRow kLargeBarHostRows[] = {
    // pressed hot   selected   colour from          bottom mix with black
    {{kNo,  kNo,  kNo},  Source::kBackColor,  kBottomBlackWeight},
    {{kNo,  kNo,  kYes}, Source::kHoverColor, kBottomBlackWeight},
    {{kNo,  kYes, kAny}, Source::kHoverColor, kBottomBlackWeight},
    {{kYes, kAny, kNo},  Source::kHoverColor, kBottomBlackWeightDeep},
    {{kYes, kAny, kYes}, Source::kHoverColor, kBottomBlackWeight},
};
// clang-format on

struct ButtonHoverRow {
  StateMatch when;
  bool filled;
  int bottomWeight;
  bool swap;
};

// Toolbar buttons while HoverColor is set. The bottom weights of a pressed button are the
// reverse of those of a pressed large bar.
// clang-format off
constexpr ButtonHoverRow kButtonHoverRows[] = {
    // pressed hot   selected   filled  bottom mix with black    swap
    {{kNo,  kNo,  kNo},  false,  0,                       false},
    {{kNo,  kNo,  kYes}, true,   kBottomBlackWeight,      false},
    {{kNo,  kYes, kNo},  true,   kBottomBlackWeight,      false},
    {{kNo,  kYes, kYes}, true,   kBottomBlackWeightDeep,  false},
    {{kYes, kAny, kNo},  true,   kBottomBlackWeight,      true},
    {{kYes, kAny, kYes}, true,   kBottomBlackWeightDeep,  true},
};
// clang-format on

// --- Panel colours ------------------------------------------------------------------------

bool Chosen(OleColor color) {
  return color != kNoColorChosen;
}

// The second colour of a pair counts only when the first one is chosen.
void ApplyPanelPair(Ends& ends, OleColor first, OleColor second, OleColor (*shade)(OleColor)) {
  if (!Chosen(first)) return;
  ends.top = shade(first);
  if (Chosen(second)) ends.bottom = shade(second);
}

OleColor Unshaded(OleColor color) {
  return color;
}

BarFill Filled(Ends ends, bool swap) {
  if (swap) std::swap(ends.top, ends.bottom);
  return {true, ends.top, ends.bottom};
}

// The grey of every caption of a disabled control: the look's bar colour mixed with 666666.
constexpr OleColor kDisabledCaptionGrey = 0x666666;
constexpr int kDisabledCaptionWeight = 200;

}  // namespace

HostColor HostColor::FromProperty(OleColor value) {
  return {value != kNoColorChosen, DrawnColor(value)};
}

BarFill LargeBarFill(bool styled, BarState state, const SchemePalette& palette, HostColor backColor,
                     HostColor hoverColor, const PanelBackColors& panel) {
  Ends ends = PaletteEnds(styled, state, palette);
  bool swap = styled && SwapsEnds(state);

  if (backColor.set) {
    const HostRow& row = RowFor<HostRow>(kLargeBarHostRows, state);
    if (row.source == Source::kBackColor) {
      ends = Tinted(backColor.color, row.bottomWeight);
    } else if (hoverColor.set) {
      ends = Tinted(hoverColor.color, row.bottomWeight);
    }
    if (hoverColor.set && SwapsEnds(state)) swap = true;
  }

  if (state.IsNormal()) {
    ApplyPanelPair(ends, panel.backColor1, panel.backColor2, Unshaded);
  } else {
    // Selected and pressed bars show the panel's hover colours darkened.
    const bool darken = state.selected || state.pressed;
    ApplyPanelPair(ends, panel.backColorHover1, panel.backColorHover2,
                   darken ? DarkenLightness : Unshaded);
  }
  return Filled(ends, swap);
}

BarFill ToolbarButtonFill(bool styled, BarState state, const SchemePalette& palette,
                          HostColor hoverColor) {
  if (hoverColor.set) {
    const ButtonHoverRow& row = RowFor<ButtonHoverRow>(kButtonHoverRows, state);
    if (!row.filled) return {};
    return Filled(Tinted(hoverColor.color, row.bottomWeight), row.swap);
  }
  // The large bars' palette colours, except that a normal button is not filled.
  if (state.IsNormal()) return {};
  return Filled(PaletteEnds(styled, state, palette), styled && SwapsEnds(state));
}

OleColor LargeBarCaptionColor(bool styled, BarState state, const SchemePalette& palette,
                              const CaptionColorInputs& inputs) {
  if (!inputs.controlEnabled) {
    const OleColor barColor = palette[styled ? Slot::StyledBarBottom : Slot::DarkFace];
    return BlendColors(barColor, kDisabledCaptionGrey, kDisabledCaptionWeight);
  }
  const OleColor panelColor = state.IsNormal() ? inputs.panelForeColor : inputs.panelForeColorHover;
  return DrawnColor(panelColor != kDefaultCaptionColor ? panelColor : inputs.controlForeColor);
}

}  // namespace wayband::render
