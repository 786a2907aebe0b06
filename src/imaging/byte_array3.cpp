#include "imaging/byte_array3.h"

#include <cassert>
#include <utility>

namespace wayband::imaging {

bool ByteArray3::ExtentsAllowed(int32_t channels, int32_t width, int32_t height) {
  if (channels < 1 || width < 1 || height < 1) return false;
  // Each factor is below 2^31 and the first product is capped before the second, so the
  // 64-bit products cannot overflow.
  const int64_t plane = int64_t{channels} * width;
  return plane <= kMaxBytes && plane * height <= kMaxBytes;
}

ByteArray3::ByteArray3(int32_t channels, int32_t width, int32_t height) {
  if (!ExtentsAllowed(channels, width, height)) return;
  channels_ = channels;
  width_ = width;
  height_ = height;
  bytes_.assign(static_cast<size_t>(int64_t{channels} * width * height), 0);
}

std::optional<ByteArray3> ByteArray3::FromBytes(int32_t channels, int32_t width, int32_t height,
                                                std::vector<uint8_t> bytes) {
  if (!ExtentsAllowed(channels, width, height)) return std::nullopt;
  if (bytes.size() != static_cast<size_t>(int64_t{channels} * width * height)) return std::nullopt;
  ByteArray3 array;
  array.channels_ = channels;
  array.width_ = width;
  array.height_ = height;
  array.bytes_ = std::move(bytes);
  return array;
}

int32_t ByteArray3::UBound(int dimension) const {
  switch (dimension) {
    case 1:
      return channels_ - 1;
    case 2:
      return width_ - 1;
    case 3:
      return height_ - 1;
    default:
      return -1;
  }
}

size_t ByteArray3::Index(int32_t channel, int32_t x, int32_t y) const {
  assert(channel >= 0 && channel < channels_ && x >= 0 && x < width_ && y >= 0 && y < height_);
  return (static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) *
             static_cast<size_t>(channels_) +
         static_cast<size_t>(channel);
}

uint8_t& ByteArray3::At(int32_t channel, int32_t x, int32_t y) {
  return bytes_[Index(channel, x, y)];
}

uint8_t ByteArray3::At(int32_t channel, int32_t x, int32_t y) const {
  return bytes_[Index(channel, x, y)];
}

}  // namespace wayband::imaging
