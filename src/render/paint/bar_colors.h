// The colours of a large bar and of a toolbar button in each interaction state: which
// palette slots the styled and the plain look use, how the host's BackColor and HoverColor
// and the panel's own colours override them, and the caption colour of a large bar. Pure
// functions of their inputs; the painter only fills what they return.
#pragma once

#include <cstdint>

#include "render/scheme/scheme_palette.h"

namespace wayband::render {

// The button-face system colour reference: in BackColor, HoverColor and the panel
// background colours it means that the host has not chosen a colour.
inline constexpr OleColor kNoColorChosen = 0x8000000F;
// The button-text system colour reference: a panel caption colour left at its default.
inline constexpr OleColor kDefaultCaptionColor = 0x80000012;

// The interaction state of a bar; several parts can hold at once, normal is none of them.
struct BarState {
  bool pressed = false;
  bool hot = false;
  bool selected = false;

  bool IsNormal() const { return !pressed && !hot && !selected; }
};

// A host colour property (BackColor or HoverColor): set when it is not button face, and
// its value translated to a plain colour.
struct HostColor {
  bool set = false;
  OleColor color = 0;

  static HostColor FromProperty(OleColor value);
};

// A panel's background colours (BackColor1, BackColor2, BackColorHover1, BackColorHover2).
struct PanelBackColors {
  OleColor backColor1 = kNoColorChosen;
  OleColor backColor2 = kNoColorChosen;
  OleColor backColorHover1 = kNoColorChosen;
  OleColor backColorHover2 = kNoColorChosen;
};

// A vertical gradient from `top` at the top edge to `bottom` at the bottom edge, with any
// swap already applied; `filled` false means that nothing is painted.
struct BarFill {
  bool filled = false;
  OleColor top = 0;
  OleColor bottom = 0;

  friend bool operator==(const BarFill&, const BarFill&) = default;
};

// The background of a large bar: the look's palette colours, then the host colours (only
// while BackColor is set), then the panel's colours; a large bar is always filled.
BarFill LargeBarFill(bool styled, BarState state, const SchemePalette& palette, HostColor backColor,
                     HostColor hoverColor, const PanelBackColors& panel);

// The background of a toolbar button: from HoverColor when it is set, else from the look's
// palette colours; a normal button is not filled. BackColor and panel colours play no part.
BarFill ToolbarButtonFill(bool styled, BarState state, const SchemePalette& palette,
                          HostColor hoverColor);

// The caption colour of a large bar: the panel's ForeColor (normal) or ForeColorHover (any
// other state) unless left at button text, else the control's ForeColor; a disabled
// control draws every caption in a grey mixed from the look's bar colour. A plain colour.
struct CaptionColorInputs {
  OleColor panelForeColor = kDefaultCaptionColor;
  OleColor panelForeColorHover = kDefaultCaptionColor;
  OleColor controlForeColor = 0;
  bool controlEnabled = true;
};
OleColor LargeBarCaptionColor(bool styled, BarState state, const SchemePalette& palette,
                              const CaptionColorInputs& inputs);

}  // namespace wayband::render
