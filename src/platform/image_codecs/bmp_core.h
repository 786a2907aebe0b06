// BMP files with the old 12-byte core header (16-bit width and height, colour-table
// entries of three bytes) rewritten as the equivalent file with the 40-byte information
// header, which the general BMP decoder reads.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace wayband::platform::codecs {

// Whether the file is a BMP whose header is the 12-byte core header.
bool IsCoreHeaderBitmapFile(std::span<const uint8_t> file);

// The same pixels with an information header: 1, 4 and 8 bits keep their depth and take
// their colour table with four-byte entries, 24 bits carry none. The rows are copied from
// where the file header says they start; rows cut short by the end of the file leave the
// rest of the image at zero. Nothing for another depth, a size that is not positive or
// passes `maxPixels`, a colour table or row offset past the end of the file.
std::optional<std::vector<uint8_t>> ExpandCoreHeaderBitmapFile(std::span<const uint8_t> file,
                                                               int64_t maxPixels);

}  // namespace wayband::platform::codecs
