// ByteArray: a byte array of one to three dimensions as a property store keeps it, each
// dimension with its lower bound and element count. The elements lie with the first
// dimension varying fastest. The icons' images are three-dimensional arrays (channel, x,
// y) with lower bounds 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace wayband {

class ByteArray {
 public:
  struct Dimension {
    int32_t lowerBound = 0;
    int32_t count = 0;
    friend bool operator==(const Dimension&, const Dimension&) = default;
  };

  static constexpr size_t kMaxDimensions = 3;
  // Most elements one array holds; the same bound as the icons' arrays.
  static constexpr int64_t kMaxBytes = int64_t{64} << 20;

  // The empty array: no dimensions, no elements.
  ByteArray() = default;
  // An array of the given dimensions holding `bytes`; nothing when there are no or more
  // than kMaxDimensions dimensions, a count is negative, an upper bound (lower bound +
  // count - 1) leaves the 32-bit range, the element count passes kMaxBytes, or `bytes`
  // does not hold exactly that many elements.
  static std::optional<ByteArray> Create(std::vector<Dimension> dimensions,
                                         std::vector<uint8_t> bytes);
  // The element count of the dimensions, or nothing when Create would refuse them.
  static std::optional<int64_t> ElementCount(std::span<const Dimension> dimensions);

  const std::vector<Dimension>& Dimensions() const { return dimensions_; }
  // The bounds of dimension 1, 2 or 3; nothing for another dimension number.
  std::optional<int32_t> LBound(int dimension) const;
  std::optional<int32_t> UBound(int dimension) const;
  std::span<const uint8_t> Bytes() const { return bytes_; }

  friend bool operator==(const ByteArray&, const ByteArray&) = default;

 private:
  std::vector<Dimension> dimensions_;
  std::vector<uint8_t> bytes_;
};

}  // namespace wayband
