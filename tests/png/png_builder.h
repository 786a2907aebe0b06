// Assembles PNG files chunk by chunk for the decoder tests, so that a test can break one
// field at a time (a CRC, a length, an IHDR byte) and keep the rest valid.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "png/zlib_oracle.h"

namespace wayband::imaging::png::testing {

class PngBuilder {
 public:
  PngBuilder() { bytes_ = {137, 80, 78, 71, 13, 10, 26, 10}; }

  PngBuilder& Header(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colourType,
                     uint8_t interlace = 0, uint8_t compression = 0) {
    std::vector<uint8_t> data;
    Put32(data, width);
    Put32(data, height);
    data.insert(data.end(), {bitDepth, colourType, compression, 0, interlace});
    return Chunk("IHDR", data);
  }
  // The zlib-wrapped DEFLATE stream of `scanlines` (filter bytes included) as IDAT chunks
  // of at most `pieceSize` bytes each.
  PngBuilder& ImageData(const std::vector<uint8_t>& scanlines, size_t pieceSize = 1 << 20) {
    DeflateSettings settings;
    settings.zlibWrapper = true;
    return CompressedData(ZlibCompress(scanlines, settings), pieceSize);
  }
  PngBuilder& CompressedData(const std::vector<uint8_t>& stream, size_t pieceSize = 1 << 20) {
    for (size_t offset = 0; offset < stream.size(); offset += pieceSize) {
      const size_t size = std::min(pieceSize, stream.size() - offset);
      Chunk("IDAT", std::vector<uint8_t>(stream.begin() + static_cast<ptrdiff_t>(offset),
                                         stream.begin() + static_cast<ptrdiff_t>(offset + size)));
    }
    return *this;
  }
  PngBuilder& End() { return Chunk("IEND", {}); }

  PngBuilder& Chunk(const std::string& type, const std::vector<uint8_t>& data) {
    return RawChunk(static_cast<uint32_t>(data.size()), type, data);
  }
  // A chunk whose length field says `declaredLength`, whatever the data hold.
  PngBuilder& RawChunk(uint32_t declaredLength, const std::string& type,
                       const std::vector<uint8_t>& data) {
    Put32(bytes_, declaredLength);
    std::vector<uint8_t> typed(type.begin(), type.end());
    typed.insert(typed.end(), data.begin(), data.end());
    bytes_.insert(bytes_.end(), typed.begin(), typed.end());
    const uint32_t crc =
        static_cast<uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size())));
    Put32(bytes_, corruptCrcs_ ? ~crc : crc);
    return *this;
  }
  // Every chunk added from now on carries a wrong CRC.
  PngBuilder& CorruptCrcs() {
    corruptCrcs_ = true;
    return *this;
  }

  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  static void Put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
      out.push_back(static_cast<uint8_t>(value >> shift));
  }

  std::vector<uint8_t> bytes_;
  bool corruptCrcs_ = false;
};

}  // namespace wayband::imaging::png::testing
