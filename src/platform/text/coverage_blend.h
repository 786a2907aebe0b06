// Laying glyph coverage over bitmap pixels. Each colour channel moves linearly from the
// pixel's own value towards the text colour by the coverage (c / 255), rounded to
// nearest, so an edge pixel lies between background and text colour and never darker
// than both. Subpixel glyphs carry one coverage per channel. On monochrome bitmaps a pixel
// takes the text colour where the coverage is at least half. 32-bit pixels that change get
// alpha 0, as solid fills leave them.
#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/text/glyph_image.h"

namespace wayband::platform::text {

// The colour bits of a colour value; text draws its colours with the flag byte cleared.
inline constexpr ColorRef kColorBits = 0x00FFFFFF;

// One channel of the blend: background moved towards `ink` by coverage / 255.
constexpr uint8_t BlendChannel(uint8_t background, uint8_t ink, uint8_t coverage) {
  constexpr int kFull = 255;
  return static_cast<uint8_t>((background * (kFull - coverage) + ink * coverage + kFull / 2) /
                              kFull);
}

// Blends the glyph with its origin at (originX, baseline) into the pixels of `target`
// inside `clip` (already within the bitmap).
void BlendGlyph(Bitmap& target, const GlyphImage& glyph, int64_t originX, int64_t baseline,
                const Rect& clip, ColorRef color);

}  // namespace wayband::platform::text
