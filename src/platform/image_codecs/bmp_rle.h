// Run-length-encoded BMP files (4 and 8 bits per pixel) expanded into the equivalent
// uncompressed 8-bit BMP file, which the general BMP decoder reads.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace wayband::platform::codecs {

// Whether the file is a BMP whose information header names RLE8 or RLE4 compression.
bool IsRleBitmapFile(std::span<const uint8_t> file);

// The uncompressed file: the same size and colour table, 8 bits per pixel, rows
// bottom-up. Pixels the runs never reach (skipped by a delta or an early end of line or
// bitmap) take colour index 0. Nothing when the headers are damaged, the size is not
// positive or passes `maxPixels`, or the colour table runs past the end of the file; runs
// cut short by the end of the file leave the rest of the image at index 0.
std::optional<std::vector<uint8_t>> ExpandRleBitmapFile(std::span<const uint8_t> file,
                                                        int64_t maxPixels);

}  // namespace wayband::platform::codecs
