#include "imaging/ico/icon_file_format.h"

namespace wayband::imaging::ico {

IconDirHeader ReadDirHeader(std::span<const uint8_t, kIconDirHeaderBytes> bytes) {
  const uint8_t* p = bytes.data();
  return IconDirHeader{ReadLe16(p), ReadLe16(p + 2), static_cast<int16_t>(ReadLe16(p + 4))};
}

IconDirEntry ReadDirEntry(std::span<const uint8_t, kIconDirEntryBytes> bytes) {
  const uint8_t* p = bytes.data();
  IconDirEntry entry;
  entry.width = p[0];
  entry.height = p[1];
  entry.colorCount = p[2];
  entry.reserved = p[3];
  entry.planes = ReadLe16(p + 4);
  entry.bitCount = ReadLe16(p + 6);
  entry.bytesInResource = ReadLe32(p + 8);
  entry.imageOffset = ReadLe32(p + 12);
  return entry;
}

}  // namespace wayband::imaging::ico
