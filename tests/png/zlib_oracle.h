// zlib as the reference compressor and decompressor of the tests.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace wayband::imaging::png::testing {

struct DeflateSettings {
  int level = Z_DEFAULT_COMPRESSION;
  int strategy = Z_DEFAULT_STRATEGY;
  int windowBits = 15;
  bool zlibWrapper = false;  // raw DEFLATE unless set
};

// Compresses `data` with zlib; with `flushEvery` > 0 the input is fed in pieces of that
// size each followed by a sync flush, so the stream holds many blocks (and the empty
// stored blocks that sync flushes emit).
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

// Inflates a raw DEFLATE stream with zlib into a buffer of `capacity` bytes.
inline std::vector<uint8_t> ZlibInflateRaw(std::span<const uint8_t> input, size_t capacity) {
  z_stream stream{};
  if (inflateInit2(&stream, -15) != Z_OK) throw std::runtime_error("inflateInit2");
  std::vector<uint8_t> out(capacity);
  stream.next_in = const_cast<Bytef*>(input.data());
  stream.avail_in = static_cast<uInt>(input.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  inflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  inflateEnd(&stream);
  return out;
}

}  // namespace wayband::imaging::png::testing
