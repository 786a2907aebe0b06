// PNG files of what the tests render: one writer for every folder that saves a sheet or a
// scene to look at (8-bit RGB, libpng's default compression, so a sheet written twice from
// the same pixels is the same file).
#pragma once

#include <cstdint>
#include <filesystem>

#include "imaging/dib32.h"
#include "surface_colors.h"

namespace wayband::testing {

// Writes width x height pixels, colour (x, y) taken from `colorAt`, each pixel as a
// `scale` x `scale` block; false when it cannot.
bool WritePng(const std::filesystem::path& path, int32_t width, int32_t height,
              const ColorSource& colorAt, int32_t scale = 1);

// Writes the surface's colours (alpha dropped), each pixel `scale` x `scale`.
bool WritePng(const imaging::CDib32& surface, const std::filesystem::path& path, int32_t scale = 1);

}  // namespace wayband::testing
