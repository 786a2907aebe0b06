// Colour mixing for painting: the integer blend of two colours and the 80 % lightness
// darkening used for the pressed and selected looks of panel colours.
#pragma once

#include <cstdint>

#include "render/scheme/scheme_palette.h"

namespace wayband::render {

// The plain colour the drawing helpers paint for a colour value: system colour references
// are translated, and a value that cannot be translated paints white.
OleColor DrawnColor(OleColor color);

// Translates a and b (an untranslatable colour becomes white); p = a, q = b (swapped when
// `swap`); per channel (p·w) div 255 + (q·(255 − w)) div 255. Weight 255 gives p, 0 gives
// q. Weights outside 0–255 are clamped.
OleColor BlendColors(OleColor a, OleColor b, int weight, bool swap = false);

// The same hue and saturation at 80 % of the lightness (HSL on the 0–1 scale, channels
// rounded half to even).
OleColor DarkenLightness(OleColor color);

}  // namespace wayband::render
