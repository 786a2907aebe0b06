// Reading a surface back into an icon array, the way the import stores images.
#pragma once

#include <cstdint>

#include "imaging/byte_array3.h"
#include "imaging/dib_surface.h"

namespace wayband::imaging {

inline constexpr int32_t kChannels32Bit = 4;
inline constexpr int32_t kChannels24Bit = 3;

// The surface's pixels as a (channel, x, y) array, rows bottom-up: 4 channels with alpha
// (from a 32-bit surface), or 3 (blue, green, red) with the width rounded up for 24-bit
// storage (the extra columns 0). Empty for an empty surface, or a channel count the
// surface does not have.
ByteArray3 SurfaceToArray(const DibSurface& surface, int32_t channels);

}  // namespace wayband::imaging
