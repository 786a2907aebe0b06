#include "imaging/resample_bilinear.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "imaging/key_color.h"
#include "platform/round_half_even.h"

namespace wayband::imaging {
namespace {

constexpr int kChannels = 3;  // blue, green, red
using Colour = std::array<int, kChannels>;

Colour ColourAt(const ConstPixelView& view, int32_t x, int32_t row) {
  const uint8_t* pixel = view.Pixel(x, row);
  return {pixel[0], pixel[1], pixel[2]};
}

Colour StoredBytes(platform::ColorRef colour) {
  return {platform::GetBValue(colour), platform::GetGValue(colour), platform::GetRValue(colour)};
}

// Sampling position of target index t: t x ratio in single precision, split into the
// source index at or below it and the fraction beyond. The neighbour is index + 1, kept
// inside the source (a source one pixel wide or high has no second neighbour; its weight
// is 0 there).
struct Sample {
  int32_t index = 0;
  int32_t next = 0;
  float fraction = 0.0f;
};

Sample SampleAt(int32_t t, float ratio, int32_t sourceSize) {
  const float position = static_cast<float>(t) * ratio;
  const float whole = std::floor(position);
  const int32_t index = std::min(static_cast<int32_t>(whole), sourceSize - 1);
  return {index, std::min(index + 1, sourceSize - 1), position - whole};
}

float Ratio(int32_t sourceSize, int32_t targetSize) {
  return static_cast<float>(static_cast<double>(sourceSize - 1) / targetSize);
}

// round((1 - w) x a + w x b), single precision, halves to even.
int Lerp(int a, int b, float w) {
  const float value = (1.0f - w) * static_cast<float>(a) + w * static_cast<float>(b);
  return static_cast<int>(platform::RoundHalfEvenToInt(value));
}

Colour LerpColour(const Colour& a, const Colour& b, float w) {
  Colour out{};
  for (int c = 0; c < kChannels; ++c)
    out[c] = Lerp(a[c], b[c], w);
  return out;
}

void Store(uint8_t* pixel, const Colour& colour) {
  for (int c = 0; c < kChannels; ++c)
    pixel[c] = static_cast<uint8_t>(std::clamp(colour[c], 0, 255));
}

void StoreKey(uint8_t* pixel, const Colour& key) {
  for (int c = 0; c < kChannels; ++c)
    pixel[c] = static_cast<uint8_t>(key[c]);
}

}  // namespace

void ResampleBilinearKeyed(ConstPixelView source, PixelView target, platform::ColorRef keyColour) {
  if (source.IsEmpty() || target.IsEmpty()) return;
  const Colour key = StoredBytes(keyColour);
  const float rx = Ratio(source.width, target.width);
  const float ry = Ratio(source.height, target.height);
  for (int32_t ty = 0; ty < target.height; ++ty) {
    const Sample sy = SampleAt(ty, ry, source.height);
    for (int32_t tx = 0; tx < target.width; ++tx) {
      const Sample sx = SampleAt(tx, rx, source.width);
      const Colour p00 = ColourAt(source, sx.index, sy.index);
      const Colour p10 = ColourAt(source, sx.next, sy.index);
      const Colour p01 = ColourAt(source, sx.index, sy.next);
      const Colour p11 = ColourAt(source, sx.next, sy.next);
      const Colour a = LerpColour(p00, p01, sy.fraction);
      const Colour b = LerpColour(p10, p11, sy.fraction);
      const bool keyed =
          p00 == key || p10 == key || p01 == key || p11 == key || a == key || b == key;
      uint8_t* out = target.Pixel(tx, ty);
      // A keyed pixel takes the key this resample was asked to keep, so the caller's
      // transparent colour still matches it afterwards (pictures are resampled against
      // RGB(255, 0, 255) and painted with that colour transparent; icons use the
      // imaging key colour for both).
      if (keyed) {
        StoreKey(out, key);
      } else {
        Store(out, LerpColour(a, b, sx.fraction));
      }
    }
  }
}

}  // namespace wayband::imaging
