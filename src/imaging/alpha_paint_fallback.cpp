#include "imaging/alpha_paint_fallback.h"

#include <limits>

#include "platform/color.h"
#include "platform/round_half_even.h"

namespace wayband::imaging {
namespace {

constexpr int kBlue = 0;
constexpr int kGreen = 1;
constexpr int kRed = 2;
constexpr int kAlpha = 3;
constexpr int kOpaque = 255;

uint8_t BlendChannel(uint8_t target, uint8_t source, int alpha) {
  return static_cast<uint8_t>(target * (kOpaque - alpha) / kOpaque + source * alpha / kOpaque);
}

platform::ColorRef BlendOver(platform::ColorRef target, const uint8_t* pixel, int alpha) {
  return platform::RGB(BlendChannel(platform::GetRValue(target), pixel[kRed], alpha),
                       BlendChannel(platform::GetGValue(target), pixel[kGreen], alpha),
                       BlendChannel(platform::GetBValue(target), pixel[kBlue], alpha));
}

// The pixel's alpha scaled by the constant alpha: round(A x (constant / 255)), the factor
// and the product in single precision.
int ScaledAlpha(int alpha, uint8_t constantAlpha) {
  if (constantAlpha >= kOpaque) return alpha;
  const float factor = static_cast<float>(constantAlpha) / 255.0f;
  return static_cast<int>(platform::RoundHalfEvenToInt(static_cast<float>(alpha) * factor));
}

bool FitsCoordinate(int64_t value) {
  return value >= std::numeric_limits<int32_t>::min() &&
         value <= std::numeric_limits<int32_t>::max();
}

void PaintPoint(platform::DrawingContext& target, int32_t px, int32_t py, const uint8_t* pixel,
                uint8_t constantAlpha) {
  if (pixel[kAlpha] <= kFallbackAlphaThreshold) return;
  const int alpha = ScaledAlpha(pixel[kAlpha], constantAlpha);
  if (alpha >= kOpaque) {
    platform::SetPixel(target, px, py, platform::RGB(pixel[kRed], pixel[kGreen], pixel[kBlue]));
    return;
  }
  const platform::ColorRef under = platform::GetPixel(target, px, py);
  if (under == platform::CLR_INVALID) return;
  platform::SetPixel(target, px, py, BlendOver(under, pixel, alpha));
}

}  // namespace

void AlphaPaintPerPixel(ConstPixelView source, platform::DrawingContext& target, int32_t x,
                        int32_t y, int32_t height, uint8_t constantAlpha) {
  if (source.IsEmpty()) return;
  for (int32_t column = 0; column < source.width; ++column) {
    const int64_t px = int64_t{x} + column;
    if (!FitsCoordinate(px)) continue;
    for (int32_t row = 0; row < source.height; ++row) {
      const int64_t py = int64_t{y} + height - 1 - row;
      if (!FitsCoordinate(py)) continue;
      PaintPoint(target, static_cast<int32_t>(px), static_cast<int32_t>(py),
                 source.Pixel(column, row), constantAlpha);
    }
  }
}

}  // namespace wayband::imaging
