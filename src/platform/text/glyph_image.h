// A rendered glyph: coverage values placed relative to the glyph's origin on the baseline.
#pragma once

#include <cstdint>
#include <vector>

namespace wayband::platform::text {

// How glyph coverage is rendered, from the logical font's quality.
enum class GlyphMode {
  kMonochrome,  // two levels: 0 or 255
  kGrey,        // one antialiased coverage value per pixel
  kSubpixel,    // LCD-filtered coverage per colour channel (red, green, blue)
};

struct GlyphImage {
  int32_t left = 0;               // pixels from the origin to the image's left column
  int32_t top = 0;                // pixels from the baseline up to the image's top row
  int32_t width = 0;              // pixels
  int32_t height = 0;             // rows
  int channels = 1;               // 1 (grey, monochrome) or 3 (subpixel: red, green, blue)
  std::vector<uint8_t> coverage;  // rows top-down, width * channels values per row

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  const uint8_t* Row(int32_t y) const {
    return coverage.data() +
           static_cast<size_t>(y) * static_cast<size_t>(width) * static_cast<size_t>(channels);
  }
};

}  // namespace wayband::platform::text
