// Key-aware bilinear resampling of 24-bit pixels, the work of CDib24::Resample.
#pragma once

#include "imaging/pixel_view.h"
#include "platform/color.h"

namespace wayband::imaging {

// Fills `target` from `source` (both 24-bit, rows bottom-up): target pixel (tx, ty) samples
// source position (tx x rx, ty x ry) with rx = (W - 1) / NW and ry = (H - 1) / NH in single
// precision, interpolating first down the columns, then across. A target pixel becomes the
// key colour RGB(254, 3, 253) when any of its four source neighbours, or either column's
// interpolated colour, equals `keyColour`; so keyed areas stay crisp and never blend.
void ResampleBilinearKeyed(ConstPixelView source, PixelView target, platform::ColorRef keyColour);

}  // namespace wayband::imaging
