#include "imaging/import/surface_array.h"

#include <algorithm>

#include "imaging/icon_sizes.h"

namespace wayband::imaging {

ByteArray3 SurfaceToArray(const DibSurface& surface, int32_t channels) {
  const ConstPixelView pixels = surface.View();
  if (pixels.IsEmpty() || (channels != kChannels32Bit && channels != kChannels24Bit) ||
      channels > pixels.bytesPerPixel)
    return ByteArray3{};
  const int32_t width = pixels.width;
  const int32_t storedWidth = channels == kChannels24Bit ? Stored24BitWidth(width) : width;
  ByteArray3 array(channels, storedWidth, pixels.height);
  if (array.IsEmpty()) return array;
  // Both are bottom-up: stored row r of the surface is row y = r of the array.
  for (int32_t row = 0; row < pixels.height; ++row) {
    for (int32_t x = 0; x < width; ++x)
      std::copy_n(pixels.Pixel(x, row), channels, &array.At(0, x, row));
  }
  return array;
}

}  // namespace wayband::imaging
