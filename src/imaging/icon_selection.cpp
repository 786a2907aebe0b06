#include "imaging/icon_selection.h"

#include <array>

namespace wayband::imaging {
namespace {

constexpr int32_t kFallbackCount = kIconSizeCount - 1;

// The fallback order of each size index, as size indices. By pixels:
//   16: 24, 32, 48, 72, 96, 128, 256     72: 96, 128, 256, 48, 32, 24, 16
//   24: 32, 48, 16, 72, 96, 128, 256     96: 128, 256, 72, 48, 32, 24, 16
//   32: 48, 24, 72, 16, 96, 128, 256    128: 256, 96, 72, 48, 32, 24, 16
//   48: 72, 32, 24, 96, 128, 256, 16    256: 128, 96, 72, 48, 32, 24, 16
constexpr std::array<std::array<int32_t, kFallbackCount>, kIconSizeCount> kFallbackOrder = {{
    {1, 2, 3, 4, 5, 6, 7},
    {2, 3, 0, 4, 5, 6, 7},
    {3, 1, 4, 0, 5, 6, 7},
    {4, 2, 1, 5, 6, 7, 0},
    {5, 6, 7, 3, 2, 1, 0},
    {6, 7, 4, 3, 2, 1, 0},
    {7, 5, 4, 3, 2, 1, 0},
    {6, 5, 4, 3, 2, 1, 0},
}};

// The first size of the fallback order that the icon holds, else the order's last.
int32_t FallbackSize(const IconArrays& arrays, int32_t sizeIndex) {
  const auto& order = kFallbackOrder[static_cast<size_t>(sizeIndex)];
  for (int32_t candidate : order) {
    if (HasIconSize(arrays, candidate)) return candidate;
  }
  return order.back();
}

class Selector {
 public:
  explicit Selector(const IconArrays& arrays) : arrays_(arrays) {}

  IconSelection Run(int32_t sizeIndex) {
    if (IsIconSizeIndex(sizeIndex)) Select(sizeIndex, /*nested=*/false);
    return result_;
  }

 private:
  void Select(int32_t sizeIndex, bool nested) {
    if (nested) {
      result_.substituted = true;
    } else {
      result_.found32Bit = false;
    }
    if (++depth_ > kMaxSelectionDepth) {
      depth_ = 0;
      return;
    }
    if (!HasIconSize(arrays_, sizeIndex)) {
      Select(FallbackSize(arrays_, sizeIndex), /*nested=*/true);
      return;
    }
    result_.sizeIndex = sizeIndex;
    result_.kind = BestKindAt(arrays_, sizeIndex);
    result_.found32Bit = result_.kind == kKind32Bit;
    result_.foundSize = IconPixels(sizeIndex);
    depth_ = 0;
  }

  const IconArrays& arrays_;
  IconSelection result_;
  int32_t depth_ = 0;
};

}  // namespace

IconSelection SelectIconImage(const IconArrays& arrays, int32_t sizeIndex) {
  return Selector(arrays).Run(sizeIndex);
}

}  // namespace wayband::imaging
