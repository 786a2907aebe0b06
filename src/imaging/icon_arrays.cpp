#include "imaging/icon_arrays.h"

namespace wayband::imaging {
namespace {

constexpr std::array<int32_t, 4> kHasSizeKinds = {2, 3, 4, 1};
constexpr std::array<int32_t, 4> kPreferredKinds = {4, 3, 2, 1};

bool Holds(const IconArrays& arrays, int32_t kind, int32_t sizeIndex) {
  return !arrays[static_cast<size_t>(kind)][static_cast<size_t>(sizeIndex)].IsEmpty();
}

}  // namespace

bool HasIconSize(const IconArrays& arrays, int32_t sizeIndex) {
  if (!IsIconSizeIndex(sizeIndex)) return false;
  for (int32_t kind : kHasSizeKinds) {
    if (Holds(arrays, kind, sizeIndex)) return true;
  }
  return false;
}

int32_t BestKindAt(const IconArrays& arrays, int32_t sizeIndex) {
  if (!IsIconSizeIndex(sizeIndex)) return -1;
  for (int32_t kind : kPreferredKinds) {
    if (Holds(arrays, kind, sizeIndex)) return kind;
  }
  return -1;
}

}  // namespace wayband::imaging
