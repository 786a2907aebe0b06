// The derivation of the palette from live system colours and visual-style hints. It runs
// when a scheme's system colours differ from those its table row was tuned for (or the
// scheme is unknown, or the system is of the version-6 family), and then recomputes every
// drawn slot, so that colours the user edited by hand carry through the whole palette.
#pragma once

#include "render/scheme/scheme_palette.h"

namespace wayband::render {

// The five "Button" colour hints of the visual style; a hint that could not be read is 0.
struct StyleHints {
  OleColor accent = 0;         // check box, checked and hot: accent colour
  OleColor defaultAccent = 0;  // push button, defaulted: accent colour
  OleColor defaultBorder = 0;  // push button, defaulted: border colour
  OleColor normalFill = 0;     // push button, normal: fill colour
  OleColor defaultFill = 0;    // push button, defaulted: fill colour
};

struct DerivationInputs {
  OleColor window = 0;     // translated system colours: window (W)
  OleColor face = 0;       // button face (F)
  OleColor highlight = 0;  // highlight (H)
  OleColor shadow = 0;     // button shadow (S)
  StyleHints hints;
  bool styled = false;     // the styled argument of the build
  bool hintsRead = false;  // the window's visual-style data was opened
  bool vistaFamily = false;
};

// Overwrites the derived slots of `palette` in their defined order. Slots 10, 19, 20, 23,
// 24 and 30 are never written and keep their table values; slots 28-43 change only when
// the hints were read or the system is of the version-6 family.
void DerivePalette(SchemePalette& palette, const DerivationInputs& in);

// The pressed fill of hint mode: the accent's saturation times 1.75 (at most 1.0), its
// lightness times 0.85, hue 29, each channel rounded.
OleColor PressedFromAccent(OleColor accent);

// The face tint: the face's lightness times 1.215 at the same hue and saturation.
OleColor TintFace(OleColor face);

}  // namespace wayband::render
