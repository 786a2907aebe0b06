#include "platform/bitmap.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <new>

namespace wayband::platform {
namespace {

constexpr RgbQuad kBlack{0, 0, 0, 0};
constexpr RgbQuad kWhite{255, 255, 255, 0};
constexpr int kMonochromeTableSize = 2;

bool IsSupportedBitCount(int bitCount) {
  return bitCount == 1 || bitCount == 24 || bitCount == 32;
}

}  // namespace

Bitmap::Bitmap(int32_t width, int32_t height, int bitCount, RowOrder order, int32_t stride)
    : width_(width), height_(height), bitCount_(bitCount), order_(order), stride_(stride) {}

std::shared_ptr<Bitmap> Bitmap::Create(int32_t width, int32_t height, int bitCount, RowOrder order,
                                       std::span<const RgbQuad> colorTable) {
  if (width <= 0 || height <= 0 || !IsSupportedBitCount(bitCount)) return nullptr;
  const int64_t stride = DibStride(width, bitCount);
  if (stride > kMaxBitmapBytes / height) return nullptr;

  std::shared_ptr<Bitmap> bitmap(
      new (std::nothrow) Bitmap(width, height, bitCount, order, static_cast<int32_t>(stride)));
  if (!bitmap) return nullptr;
  try {
    bitmap->pixels_.assign(static_cast<size_t>(stride * height), 0);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  if (bitCount == 1) {
    bitmap->colorTable_ = {kBlack, kWhite};
    const size_t given = std::min<size_t>(colorTable.size(), kMonochromeTableSize);
    std::copy_n(colorTable.begin(), given, bitmap->colorTable_.begin());
  }
  return bitmap;
}

uint32_t Bitmap::PixelAt(int32_t x, int32_t y) const {
  assert(x >= 0 && x < width_);
  const uint8_t* row = Row(y);
  switch (bitCount_) {
    case 32: {
      uint32_t word;
      std::memcpy(&word, row + int64_t{x} * 4, sizeof word);
      return word;
    }
    case 24: {
      const uint8_t* p = row + int64_t{x} * 3;
      return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
    }
    default:
      return (row[x >> 3] >> (7 - (x & 7))) & 1u;
  }
}

void Bitmap::SetPixelAt(int32_t x, int32_t y, uint32_t value) {
  assert(x >= 0 && x < width_);
  uint8_t* row = Row(y);
  switch (bitCount_) {
    case 32:
      std::memcpy(row + int64_t{x} * 4, &value, sizeof value);
      break;
    case 24: {
      uint8_t* p = row + int64_t{x} * 3;
      p[0] = static_cast<uint8_t>(value);
      p[1] = static_cast<uint8_t>(value >> 8);
      p[2] = static_cast<uint8_t>(value >> 16);
      break;
    }
    default: {
      const uint8_t bit = static_cast<uint8_t>(0x80u >> (x & 7));
      row[x >> 3] = (value & 1u) ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit);
      break;
    }
  }
}

}  // namespace wayband::platform
