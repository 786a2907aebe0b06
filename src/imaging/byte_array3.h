// ByteArray3: a three-dimensional byte array indexed (channel, x, y), channel varying
// fastest, then x, then y. It keeps its three extents, so an icon image saved with them
// comes back exactly. An icon image lies in it as a bottom-up bitmap without row padding:
// y = 0 is the bottom row, channels blue, green, red (and alpha).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace wayband::imaging {

class ByteArray3 {
 public:
  // Most bytes one array may hold; larger extents give an empty array. Twice the largest
  // icon image (256 x 256 x 4 bytes) would do; the bound only keeps stored data that
  // claims absurd extents from allocating.
  static constexpr int64_t kMaxBytes = int64_t{64} << 20;

  // The empty array: no dimensions, no elements.
  ByteArray3() = default;
  // A zero-filled array of the given extents; empty when any extent is below 1 or the
  // size passes kMaxBytes.
  ByteArray3(int32_t channels, int32_t width, int32_t height);
  // An array of the given extents holding `bytes` in (channel, x, y) order; nothing when
  // the extents are refused as above or the byte count is not their product.
  static std::optional<ByteArray3> FromBytes(int32_t channels, int32_t width, int32_t height,
                                             std::vector<uint8_t> bytes);

  bool IsEmpty() const { return bytes_.empty(); }
  // Extents of the three dimensions (0 for the empty array).
  int32_t Channels() const { return channels_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // The upper bound of dimension 1, 2 or 3 with lower bound 0: extent - 1 (-1 when empty
  // or for another dimension number).
  int32_t UBound(int dimension) const;

  std::span<uint8_t> Bytes() { return bytes_; }
  std::span<const uint8_t> Bytes() const { return bytes_; }
  // The element (channel, x, y); the indices must lie within the extents.
  uint8_t& At(int32_t channel, int32_t x, int32_t y);
  uint8_t At(int32_t channel, int32_t x, int32_t y) const;

  friend bool operator==(const ByteArray3&, const ByteArray3&) = default;

 private:
  static bool ExtentsAllowed(int32_t channels, int32_t width, int32_t height);
  size_t Index(int32_t channel, int32_t x, int32_t y) const;

  int32_t channels_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint8_t> bytes_;
};

}  // namespace wayband::imaging
