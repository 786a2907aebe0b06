// One image of an icon or cursor file as 32-bit pixels with straight alpha, the form in
// which the picture loader takes cursors.
#pragma once

#include <cstdint>

#include "imaging/dib32.h"
#include "imaging/ico/file_icon.h"

namespace wayband::imaging {

// Image 1..ImageCount() of the file: an image stored as PNG decoded with its alpha; a
// 32-bit image with its alpha channel, or through its mask when that channel is all 0
// (older files leave it so); any other image opaque where its mask is clear and
// transparent (alpha 0) where the mask is set. An empty surface when the image cannot be
// drawn.
CDib32 IconEntryPixels(const CFileIcon& file, int32_t image);

}  // namespace wayband::imaging
