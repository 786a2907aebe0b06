// The 40 pixel arrays of one icon, by kind and size index, and the questions the
// selection asks of them.
#pragma once

#include <array>
#include <cstdint>

#include "imaging/byte_array3.h"
#include "imaging/icon_sizes.h"

namespace wayband::imaging {

using IconArrays =
    std::array<std::array<ByteArray3, kIconSizeCount>, kIconKindCount>;  // [kind][size index]

// Whether any of the kinds 2, 3, 4 or 1 holds an image at the size index.
bool HasIconSize(const IconArrays& arrays, int32_t sizeIndex);

// The first kind among 4, 3, 2, 1 holding an image at the size index; -1 when none does.
int32_t BestKindAt(const IconArrays& arrays, int32_t sizeIndex);

}  // namespace wayband::imaging
