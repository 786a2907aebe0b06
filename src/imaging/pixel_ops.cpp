#include "imaging/pixel_ops.h"

#include <bit>
#include <cstdlib>
#include <cstring>

#include "imaging/key_color.h"

namespace wayband::imaging {
namespace {

static_assert(std::endian::native == std::endian::little, "pixel words are read little-endian");

constexpr int kBlue = 0;
constexpr int kGreen = 1;
constexpr int kRed = 2;
constexpr int kAlpha = 3;
constexpr int kColourChannels = 3;

// Each 16-bit lane x of `lanes` (at most 255 x 255) becomes x \ 255: there (x + 1 + (x >> 8))
// >> 8 equals it exactly, and the sum never carries into the next lane.
uint32_t DivideLanesBy255(uint32_t lanes) {
  return ((lanes + 0x00010001u + ((lanes >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
}

// A pixel word (blue | green << 8 | red << 16 | alpha << 24) with blue, green and red each
// multiplied by alpha \ 255; red and blue go through together in the word's two lanes.
uint32_t PremultipliedWord(uint32_t word) {
  const uint32_t alpha = word >> 24;
  const uint32_t redBlue = DivideLanesBy255((word & 0x00FF00FFu) * alpha);
  const uint32_t green = DivideLanesBy255(((word >> 8) & 0xFFu) * alpha);
  return (word & 0xFF000000u) | redBlue | (green << 8);
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
    uint32_t word;
    std::memcpy(&word, pixel, sizeof word);  // the stored bytes, little-endian
    word = PremultipliedWord(word);
    std::memcpy(pixel, &word, sizeof word);
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
