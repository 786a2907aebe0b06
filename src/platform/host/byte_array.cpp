#include "wayband/byte_array.h"

#include <limits>
#include <utility>

namespace wayband {

std::optional<int64_t> ByteArray::ElementCount(std::span<const Dimension> dimensions) {
  if (dimensions.empty() || dimensions.size() > kMaxDimensions) return std::nullopt;
  int64_t elements = 1;
  for (const Dimension& d : dimensions) {
    if (d.count < 0) return std::nullopt;
    // The upper bound must be a 32-bit number too.
    const int64_t upper = int64_t{d.lowerBound} + d.count - 1;
    if (upper > std::numeric_limits<int32_t>::max() ||
        upper < std::numeric_limits<int32_t>::min()) {
      return std::nullopt;
    }
    // Each factor is below 2^31 and the product so far at most kMaxBytes: no overflow.
    elements *= d.count;
    if (elements > kMaxBytes) return std::nullopt;
  }
  return elements;
}

std::optional<ByteArray> ByteArray::Create(std::vector<Dimension> dimensions,
                                           std::vector<uint8_t> bytes) {
  const std::optional<int64_t> elements = ElementCount(dimensions);
  if (!elements || static_cast<int64_t>(bytes.size()) != *elements) return std::nullopt;
  ByteArray array;
  array.dimensions_ = std::move(dimensions);
  array.bytes_ = std::move(bytes);
  return array;
}

std::optional<int32_t> ByteArray::LBound(int dimension) const {
  if (dimension < 1 || static_cast<size_t>(dimension) > dimensions_.size()) return std::nullopt;
  return dimensions_[dimension - 1].lowerBound;
}

std::optional<int32_t> ByteArray::UBound(int dimension) const {
  if (dimension < 1 || static_cast<size_t>(dimension) > dimensions_.size()) return std::nullopt;
  const Dimension& d = dimensions_[dimension - 1];
  return static_cast<int32_t>(int64_t{d.lowerBound} + d.count - 1);
}

}  // namespace wayband
