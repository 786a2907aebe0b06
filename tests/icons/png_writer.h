// A minimal PNG writer for looking at rendered sheets: 8-bit RGB, the image data in
// stored (uncompressed) DEFLATE blocks.
#pragma once

#include <filesystem>

#include "imaging/dib32.h"

namespace wayband::imaging::testing {

// Writes the surface's colours (alpha dropped) as a PNG file; false when it cannot.
bool WritePngRgb(const CDib32& surface, const std::filesystem::path& path);

}  // namespace wayband::imaging::testing
