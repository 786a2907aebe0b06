// One image of an icon file as the drawing reads it: its 40-byte bitmap information
// header, the colour table, the colour rows and the mask rows. The header's height
// counts colour part and mask together, so each part has half of it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/bitmap.h"

namespace wayband::imaging::ico {

inline constexpr uint32_t kImageHeaderBytes = 40;

// The bit count at offset 14 of the image data; 0 when the data is shorter.
int32_t ImageHeaderBitCount(std::span<const uint8_t> image);

// A part of an image ready for SetDIBitsToDevice: the header to use, the colour table and
// exactly the rows the header describes, all within the image data.
struct DibPart {
  platform::BitmapInfoHeader header;
  std::vector<platform::RgbQuad> colors;
  std::span<const uint8_t> rows;
  uint32_t rowCount = 0;
};

// The colour part: a copy of the image's header with its height halved (toward zero) and
// the image's own colour table. Nothing when the data is shorter than the header, the
// width or the halved height is not positive, or the colour table or the rows would run
// past the end of the data.
std::optional<DibPart> ColourPart(std::span<const uint8_t> image);

// The mask: the header copy with height halved, planes 1, bit count 1, compression and all
// later fields 0, the colour table black and white, and the 1-bit rows that follow the
// colour rows. Nothing under the same conditions as ColourPart.
std::optional<DibPart> MaskPart(std::span<const uint8_t> image);

}  // namespace wayband::imaging::ico
