// The colour arithmetic of the scheme palette: translation of colour values, weighted
// mixing, darkening to a mid-tone, and the contrast guard for text colours. All results
// are plain colours; rounding is to the nearest integer with halves to even.
#pragma once

#include <cstdint>

#include "render/scheme/scheme_palette.h"

namespace wayband::render {

inline constexpr OleColor kWhite = 0xFFFFFF;
inline constexpr OleColor kBlack = 0x000000;
// The value with all bits set; ToRGB leaves it as it is.
inline constexpr OleColor kAllBitsColor = 0xFFFFFFFFu;

// Nearest integer, halves to the even neighbour.
double RoundHalfEven(double value);

// A plain colour from three channel values already rounded; values outside 0-255 are
// clamped, and a channel that is not a number (the lightness conversions can produce one
// for degenerate near-black colours on the 0-255 scale) packs as 0.
OleColor PackChannels(double red, double green, double blue);

// The integer average of a colour's three low bytes, (R + G + B) div 3.
int ChannelAverage(OleColor color);

// Any value but FFFFFFFF goes through OleTranslateColor and keeps its low 24 bits; a value
// that cannot be translated gives 0 (black); FFFFFFFF comes back unchanged.
OleColor ToRGB(OleColor color);

// a·w/255 + b·(255 − w)/255 per channel, computed in floating point and rounded. Weight 255
// gives a, weight 0 gives b (both translated). Weights outside 0-255 are clamped.
OleColor MixColors(OleColor a, OleColor b, int weight);

// While the integer channel average is 128 or more, scales every channel by 0.65
// (rounded). White goes 255 -> 166 -> 108.
OleColor DarkenToMidtone(OleColor color);

// Keeps `color` readable on `background`. On a light background (channel average above
// 101, or one of the two tuned olive backgrounds) the translated colour is returned. On a
// dark one the colour is lightened until its channel average exceeds 155 (black becomes
// white) and then mixed 200/255 with `lightFace`.
OleColor EnsureContrast(OleColor color, OleColor background, OleColor lightFace);

// The lightening step of EnsureContrast: black becomes white; any other colour has each
// channel's distance to white halved (rounding the step up) until the channel average
// exceeds 155. Every step raises each channel below 255, so the loop ends within eight
// steps.
OleColor LightenForDarkBackground(OleColor color);

}  // namespace wayband::render
