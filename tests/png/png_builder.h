// zlib as the reference compressor, and PNG files assembled chunk by chunk so that a test
// can break one field and keep the rest valid.
#pragma once

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace wayband::imaging::png::testing {

struct DeflateSettings {
  int level = Z_DEFAULT_COMPRESSION;
  int strategy = Z_DEFAULT_STRATEGY;
  int windowBits = 15;
  bool zlibWrapper = false;  // raw DEFLATE unless set
};

// With `flushEvery` > 0, a sync flush after each piece of that size: many blocks, and the
// empty stored blocks the flushes emit.
inline std::vector<uint8_t> ZlibCompress(std::span<const uint8_t> data, DeflateSettings settings,
                                         size_t flushEvery = 0) {
  z_stream stream{};
  const int windowBits = settings.zlibWrapper ? settings.windowBits : -settings.windowBits;
  if (deflateInit2(&stream, settings.level, Z_DEFLATED, windowBits, 8, settings.strategy) != Z_OK) {
    throw std::runtime_error("deflateInit2");
  }
  // A sync flush adds at most an empty stored block and a partial byte per piece.
  const size_t pieces = flushEvery > 0 ? data.size() / flushEvery + 1 : 1;
  std::vector<uint8_t> out(deflateBound(&stream, data.size()) + pieces * 8 + 1024);
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  size_t offset = 0;
  int result = Z_OK;
  while (result != Z_STREAM_END) {
    const size_t piece = flushEvery > 0 ? flushEvery : data.size();
    const size_t take = std::min(piece, data.size() - offset);
    stream.next_in = const_cast<Bytef*>(data.data() + offset);
    stream.avail_in = static_cast<uInt>(take);
    offset += take;
    const int flush = offset == data.size() ? Z_FINISH : Z_SYNC_FLUSH;
    result = deflate(&stream, flush);
    if (result != Z_OK && result != Z_STREAM_END) throw std::runtime_error("deflate");
  }
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

// The zlib-wrapped DEFLATE stream of `data`, as image data and zTXt carry it.
inline std::vector<uint8_t> ZlibStream(const std::vector<uint8_t>& data) {
  return ZlibCompress(data, DeflateSettings{.zlibWrapper = true});
}

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
  // The compressed `scanlines` (filter bytes included) as one IDAT chunk.
  PngBuilder& ImageData(const std::vector<uint8_t>& scanlines) {
    return Chunk("IDAT", ZlibStream(scanlines));
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
