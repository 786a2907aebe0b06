// Conversion of unfiltered PNG rows to the rows of a device-independent bitmap, by colour
// type and bit depth:
//
//   grey 1, 4 or 8, not interlaced     paletted at the same depth, grey ramp
//   grey 2, or interlaced              8 bits per pixel (one sample per byte), grey ramp
//   grey 16                            8 bits per pixel (high bytes), grey ramp
//   RGB 8 or 16                        24 bits: blue, green, red (high bytes)
//   palette 1, 4 or 8, not interlaced  paletted at the same depth, PLTE colours
//   palette 2, or interlaced           8 bits per pixel (one index per byte), PLTE colours
//   grey + alpha 8 or 16               32 bits: grey, grey, grey, alpha (high bytes)
//   RGBA 8 or 16                       32 bits: blue, green, red, alpha (high bytes)
//
// Alpha stays straight. Bitmap rows are padded to a multiple of 4 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "imaging/png/image_header.h"
#include "platform/bitmap.h"

namespace wayband::imaging::png {

// Unfiltered PNG rows: row y starts at first + y x stride and holds RowBytes(width) bytes.
struct ScanlineView {
  const uint8_t* first = nullptr;
  size_t stride = 0;
  const uint8_t* Row(uint64_t y) const { return first + y * stride; }
};

// The pixel store of a bitmap being filled: `height` rows of `stride` bytes, stored
// bottom-up (row 0 in memory is the bottom picture row) or top-down.
struct DibRows {
  uint8_t* bits = nullptr;
  size_t stride = 0;
  uint32_t height = 0;
  bool bottomUp = true;
  uint8_t* Row(uint32_t y) const { return bits + (bottomUp ? height - 1 - y : y) * stride; }
};

// Bits per pixel of the bitmap an image converts to: 1, 4 or 8 (paletted), 24 or 32.
// The header must describe a supported format.
unsigned OutputBitCount(const ImageHeader& header);

// The colour table of a paletted result: a grey ramp for grey images (2^depth entries,
// entry i = i x round(255 / (2^depth - 1)), 256 entries for 16-bit samples) or the PLTE
// colours, padded with black to 2^depth entries. A one-bit image takes the two PLTE
// entries when PLTE holds exactly two, else black and white. Empty for 24 and 32 bits.
std::vector<platform::RgbQuad> OutputColourTable(const ImageHeader& header,
                                                 std::span<const uint8_t> palette);

// Converts one row of header.width pixels into a bitmap row.
using RowConverter = void (*)(const uint8_t* source, uint8_t* target, const ImageHeader& header);
RowConverter ChooseConverter(const ImageHeader& header);

// Converts header.height rows of header.width pixels from `source` into `target`, whose
// rows are laid out for OutputBitCount(header) bits per pixel.
void ConvertRows(const ImageHeader& header, ScanlineView source, DibRows target);

}  // namespace wayband::imaging::png
