#include "imaging/pixel_ops.h"

#include <cstdlib>

#include "imaging/key_color.h"

namespace wayband::imaging {
namespace {

constexpr int kBlue = 0;
constexpr int kGreen = 1;
constexpr int kRed = 2;
constexpr int kAlpha = 3;
constexpr int kColourChannels = 3;

uint8_t Premultiplied(uint8_t channel, uint8_t alpha) {
  return static_cast<uint8_t>(channel * alpha / 255);
}

// round(sum / 3): a sum of integers over 3 has a fraction of 0, 1/3 or 2/3, never one
// half, so adding 1 before the integer division rounds it to the nearest integer.
uint8_t GreyOf(const uint8_t* pixel) {
  const int sum = pixel[kBlue] + pixel[kGreen] + pixel[kRed];
  return static_cast<uint8_t>((sum + 1) / 3);
}

}  // namespace

void PremultiplyAlpha(PixelView view) {
  ForEachPixel(view, [](uint8_t* pixel) {
    const uint8_t alpha = pixel[kAlpha];
    for (int c = 0; c < kColourChannels; ++c)
      pixel[c] = Premultiplied(pixel[c], alpha);
  });
}

void Greyscale(PixelView view, bool keepKeyColour) {
  ForEachPixel(view, [keepKeyColour](uint8_t* pixel) {
    if (keepKeyColour && IsKeyPixel(pixel)) return;
    const uint8_t grey = GreyOf(pixel);
    pixel[kBlue] = pixel[kGreen] = pixel[kRed] = grey;
  });
}

void KeyOutBackground(PixelView view, int tolerance) {
  if (view.IsEmpty()) return;
  const uint8_t* topLeft = view.Pixel(0, view.StoredRow(0));
  const uint8_t reference[kColourChannels] = {topLeft[kBlue], topLeft[kGreen], topLeft[kRed]};
  ForEachPixel(view, [&reference, tolerance](uint8_t* pixel) {
    for (int c = 0; c < kColourChannels; ++c) {
      if (std::abs(pixel[c] - reference[c]) > tolerance) return;
    }
    pixel[kBlue] = kKeyBlue;
    pixel[kGreen] = kKeyGreen;
    pixel[kRed] = kKeyRed;
    pixel[kAlpha] = 0;
  });
}

}  // namespace wayband::imaging
