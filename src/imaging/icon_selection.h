// Choosing the image an icon draws at a requested size: the size itself when the icon
// holds it, otherwise the first size of that size's fallback order that it holds (or the
// last of the order), chosen the same way in turn. The nesting is bounded: past 50 levels
// the selection ends with no image, which is how an icon holding nothing draws nothing.
#pragma once

#include <cstdint>

#include "imaging/icon_arrays.h"

namespace wayband::imaging {

inline constexpr int32_t kMaxSelectionDepth = 50;

struct IconSelection {
  int32_t sizeIndex = -1;    // where the image was found; -1 when none was
  int32_t kind = -1;         // its kind
  int32_t foundSize = 0;     // its size in pixels
  bool found32Bit = false;   // it is a kind-4 image
  bool substituted = false;  // another size than the requested one was tried

  bool Found() const { return sizeIndex >= 0; }
};

IconSelection SelectIconImage(const IconArrays& arrays, int32_t sizeIndex);

}  // namespace wayband::imaging
