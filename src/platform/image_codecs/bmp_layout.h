// The stored layout of a BMP file: the 14-byte file header, the 40-byte information
// header, little-endian fields, and a writer of the headers of an uncompressed file. The
// bitmap rewriters (run-length and core-header files) produce files of that layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace wayband::platform::codecs::bmp {

inline constexpr size_t kFileHeaderBytes = 14;
inline constexpr size_t kOffBits = 10;
inline constexpr size_t kInfoHeaderBytes = 40;
inline constexpr size_t kInfo = kFileHeaderBytes;
inline constexpr size_t kInfoSize = kInfo + 0;
inline constexpr size_t kInfoWidth = kInfo + 4;
inline constexpr size_t kInfoHeight = kInfo + 8;
inline constexpr size_t kInfoPlanes = kInfo + 12;
inline constexpr size_t kInfoBitCount = kInfo + 14;
inline constexpr size_t kInfoCompression = kInfo + 16;
inline constexpr size_t kInfoSizeImage = kInfo + 20;
inline constexpr size_t kInfoColoursUsed = kInfo + 32;
// A colour-table entry of the information header: blue, green, red, reserved.
inline constexpr size_t kColourEntryBytes = 4;
inline constexpr uint32_t kBiRgb = 0;

inline uint16_t Le16(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
inline uint32_t Le32(std::span<const uint8_t> b, size_t at) {
  return uint32_t{b[at]} | (uint32_t{b[at + 1]} << 8) | (uint32_t{b[at + 2]} << 16) |
         (uint32_t{b[at + 3]} << 24);
}
inline void PutLe32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (size_t i = 0; i < 4; ++i)
    b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Bytes of one stored row: whole 32-bit words.
inline size_t RowStride(int32_t width, int bitCount) {
  return (static_cast<size_t>(width) * static_cast<size_t>(bitCount) + 31) / 32 * 4;
}

// An uncompressed, bottom-up file of width x height at bitCount bits with `colours`
// colour-table entries: both headers written, the table and the pixel rows zero.
// `pixelsAt` receives the offset of the first row.
std::vector<uint8_t> NewUncompressedFile(int32_t width, int32_t height, int bitCount,
                                         size_t colours, size_t& pixelsAt);

}  // namespace wayband::platform::codecs::bmp
