// Runs of device values (see device_color.h) read from and written to one picture row, for
// the drawing calls that combine pixels of different formats word by word.
#pragma once

#include <cstdint>

#include "platform/bitmap.h"

namespace wayband::platform {

// Reads `count` device values of picture row y from column x on; the run must lie inside
// the bitmap.
void ReadDeviceRow(const Bitmap& bitmap, int32_t y, int32_t x, int32_t count, uint32_t* out);

// Writes `count` device values to picture row y from column x on; the run must lie inside
// the bitmap. Bits outside the device mask are ignored.
void WriteDeviceRow(Bitmap& bitmap, int32_t y, int32_t x, int32_t count, const uint32_t* values);

// Writes `count` copies of one device value to picture row y from column x on.
void FillDeviceRow(Bitmap& bitmap, int32_t y, int32_t x, int32_t count, uint32_t value);

}  // namespace wayband::platform
