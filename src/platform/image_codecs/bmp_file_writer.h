// Writing a bitmap as a BMP file: 24 bits per pixel, bottom-up, uncompressed, as the
// platform saves a bitmap picture that has no file of its own. The alpha of 32-bit
// bitmaps is not kept (such pictures are drawn opaque).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace wayband::platform::codecs {

std::vector<uint8_t> EncodeBmpFile(const Bitmap& bitmap);

}  // namespace wayband::platform::codecs
