#include "platform/text/coverage_blend.h"

#include <algorithm>

#include "platform/device_color.h"
#include "platform/pixel_words.h"

namespace wayband::platform::text {
namespace {

constexpr uint8_t kHalfCoverage = 128;
constexpr uint8_t kFullCoverage = 255;

struct Coverage {
  uint8_t red;
  uint8_t green;
  uint8_t blue;

  bool IsNone() const { return red == 0 && green == 0 && blue == 0; }
  bool IsFull() const {
    return red == kFullCoverage && green == kFullCoverage && blue == kFullCoverage;
  }
  uint8_t Mean() const { return static_cast<uint8_t>((red + green + blue) / 3); }
};

Coverage CoverageAt(const uint8_t* row, int32_t x, int channels) {
  if (channels == 3) {
    const uint8_t* p = row + static_cast<size_t>(x) * 3;
    return Coverage{p[0], p[1], p[2]};
  }
  return Coverage{row[x], row[x], row[x]};
}

ColorRef Blend(ColorRef background, ColorRef ink, Coverage c) {
  return RGB(BlendChannel(GetRValue(background), GetRValue(ink), c.red),
             BlendChannel(GetGValue(background), GetGValue(ink), c.green),
             BlendChannel(GetBValue(background), GetBValue(ink), c.blue));
}

void BlendPixel(Bitmap& target, int32_t x, int32_t y, ColorRef ink, uint32_t inkValue, Coverage c) {
  if (c.IsNone()) return;
  if (target.IsMonochrome()) {
    if (c.Mean() >= kHalfCoverage) target.SetPixelAt(x, y, inkValue);
    return;
  }
  if (c.IsFull()) {
    target.SetPixelAt(x, y, inkValue);
    return;
  }
  const ColorRef background = DeviceColor(target, target.PixelAt(x, y));
  target.SetPixelAt(x, y, DeviceValue(target, Blend(background, ink, c)));
}

// BlendPixel on a 32-bit target (pixel words 0x00RRGGBB after a blend), the pixels of one
// row addressed directly and the channels blended one by one.
void BlendRow32(uint8_t* out, const uint8_t* coverage, int64_t count, int channels, ColorRef ink,
                uint32_t inkValue) {
  const uint8_t red = GetRValue(ink);
  const uint8_t green = GetGValue(ink);
  const uint8_t blue = GetBValue(ink);
  const size_t step = static_cast<size_t>(channels);
  for (int64_t i = 0; i < count; ++i, out += 4, coverage += step) {
    const uint8_t cr = coverage[0];
    const uint8_t cg = coverage[channels == 3 ? 1 : 0];
    const uint8_t cb = coverage[channels == 3 ? 2 : 0];
    if ((cr | cg | cb) == 0) continue;
    if ((cr & cg & cb) == kFullCoverage) {
      StoreWord(out, inkValue);
      continue;
    }
    const uint32_t old = LoadWord(out);
    StoreWord(out, uint32_t{BlendChannel(static_cast<uint8_t>(old >> 16), red, cr)} << 16 |
                       uint32_t{BlendChannel(static_cast<uint8_t>(old >> 8), green, cg)} << 8 |
                       uint32_t{BlendChannel(static_cast<uint8_t>(old), blue, cb)});
  }
}

}  // namespace

void BlendGlyph(Bitmap& target, const GlyphImage& glyph, int64_t originX, int64_t baseline,
                const Rect& clip, ColorRef color) {
  if (glyph.IsEmpty() || clip.IsEmpty()) return;
  const ColorRef ink = color & kColorBits;
  const uint32_t inkValue = DeviceValue(target, ink);
  const int64_t left = originX + glyph.left;
  const int64_t top = baseline - glyph.top;
  const int64_t x0 = std::max<int64_t>(clip.left, left);
  const int64_t x1 = std::min<int64_t>(clip.right, left + glyph.width);
  const int64_t y0 = std::max<int64_t>(clip.top, top);
  const int64_t y1 = std::min<int64_t>(clip.bottom, top + glyph.height);
  for (int64_t y = y0; y < y1; ++y) {
    const uint8_t* row = glyph.Row(static_cast<int32_t>(y - top));
    if (target.bitCount() == 32 && x0 < x1) {
      const size_t first = static_cast<size_t>(x0 - left) * static_cast<size_t>(glyph.channels);
      BlendRow32(target.Row(static_cast<int32_t>(y)) + x0 * 4, row + first, x1 - x0, glyph.channels,
                 ink, inkValue);
      continue;
    }
    for (int64_t x = x0; x < x1; ++x) {
      BlendPixel(target, static_cast<int32_t>(x), static_cast<int32_t>(y), ink, inkValue,
                 CoverageAt(row, static_cast<int32_t>(x - left), glyph.channels));
    }
  }
}

}  // namespace wayband::platform::text
