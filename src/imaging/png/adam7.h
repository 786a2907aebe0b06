// Adam7 interlacing: seven passes over each 8 x 8 block of pixels, stored one after the
// other, each pass as its own filtered image.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "imaging/png/image_header.h"
#include "imaging/png/scanline_stream.h"

namespace wayband::imaging::png {

struct Adam7Pass {
  uint32_t firstColumn, firstRow, columnStep, rowStep;
};

inline constexpr std::array<Adam7Pass, 7> kAdam7Passes = {{
    {0, 0, 8, 8},
    {4, 0, 8, 8},
    {0, 4, 4, 8},
    {2, 0, 4, 4},
    {0, 2, 2, 4},
    {1, 0, 2, 2},
    {0, 1, 1, 2},
}};

struct PassSize {
  uint64_t width = 0;
  uint64_t height = 0;
  bool IsEmpty() const { return width == 0 || height == 0; }
};

// The pixels of an image of width x height that a pass covers.
PassSize Adam7PassSize(const Adam7Pass& pass, uint64_t width, uint64_t height);

// Bytes of all seven passes with one filter byte per pass row (empty passes have none).
uint64_t Adam7DataBytes(uint64_t width, uint64_t height, unsigned bitsPerPixel);

// Reads the passes from `scanlines` (each row a filter byte and its bytes), unfilters them
// and places their pixels into `image`, whose rows of RowBytes(width) bytes are packed at
// the image's own bits per pixel, as a non-interlaced image's unfiltered rows are.
void Deinterlace(ScanlineStream& scanlines, const ImageHeader& header, std::span<uint8_t> image);

}  // namespace wayband::imaging::png
