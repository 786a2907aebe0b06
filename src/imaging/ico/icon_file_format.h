// The icon file as stored: a 6-byte header, a directory of 16-byte entries and one block
// of image data per entry (a 40-byte bitmap information header, a colour table, the
// colour rows and the 1-bit mask rows). All numbers are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace wayband::imaging::ico {

// The file type field of the header.
enum class IconFileType : uint16_t { kIcon = 1, kCursor = 2 };

struct IconDirHeader {
  uint16_t reserved = 0;
  uint16_t type = 0;
  int16_t count = 0;  // read as a signed number: 1 to 32767 images
};
static_assert(sizeof(IconDirHeader) == 6);

struct IconDirEntry {
  uint8_t width = 0;  // as stored: 0 is not read as 256
  uint8_t height = 0;
  uint8_t colorCount = 0;
  uint8_t reserved = 0;
  uint16_t planes = 0;    // a cursor keeps its hot spot's x here
  uint16_t bitCount = 0;  // ... and its y here
  uint32_t bytesInResource = 0;
  uint32_t imageOffset = 0;
};
static_assert(sizeof(IconDirEntry) == 16);

inline constexpr size_t kIconDirHeaderBytes = sizeof(IconDirHeader);
inline constexpr size_t kIconDirEntryBytes = sizeof(IconDirEntry);

// Little-endian reads from a buffer the caller has checked to be long enough.
inline uint16_t ReadLe16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t ReadLe32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

// Decoding of the two wire records; `bytes` holds at least the record's size.
IconDirHeader ReadDirHeader(std::span<const uint8_t, kIconDirHeaderBytes> bytes);
IconDirEntry ReadDirEntry(std::span<const uint8_t, kIconDirEntryBytes> bytes);

}  // namespace wayband::imaging::ico
