// Colours as a bitmap stores them. A device value is the pixel word of a 32-bit bitmap, the
// three colour bytes of a 24-bit one (blue in the low byte, as in a pixel word) or the bit of
// a monochrome one; drawing calls convert plain colours to device values and back here.
#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/color.h"

namespace wayband::platform {

// Luminance 0.299 R + 0.587 G + 0.114 B, in thousandths (0 .. 255000).
int32_t Luminance1000(ColorRef color);

// The device value a plain colour is drawn as (alpha 0 on 32-bit bitmaps). On a monochrome
// bitmap it is the colour-table entry of nearest luminance, entry 0 when both are equally
// near: with the usual black and white table, colours of luminance above 127.5 draw white.
uint32_t DeviceValue(const Bitmap& bitmap, ColorRef color);

// The colour a device value shows (the colour-table entry for a monochrome bit).
ColorRef DeviceColor(const Bitmap& bitmap, uint32_t value);

// The bits of a device value that a raster operation may change.
uint32_t DeviceMask(const Bitmap& bitmap);

}  // namespace wayband::platform
