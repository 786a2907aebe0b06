#include "platform/text/coverage_blend.h"

#include <algorithm>

#include "platform/device_color.h"

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
    for (int64_t x = x0; x < x1; ++x) {
      BlendPixel(target, static_cast<int32_t>(x), static_cast<int32_t>(y), ink, inkValue,
                 CoverageAt(row, static_cast<int32_t>(x - left), glyph.channels));
    }
  }
}

}  // namespace wayband::platform::text
