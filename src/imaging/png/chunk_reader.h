// The framing of a PNG file: the 8-byte signature, then chunks of a 4-byte big-endian
// length, a 4-character type, the data and a 4-byte CRC (read past, never checked).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace wayband::imaging::png {

// A chunk type as its four characters read big-endian ('IHDR' -> 0x49484452).
constexpr uint32_t ChunkType(const char (&name)[5]) {
  return (uint32_t{static_cast<uint8_t>(name[0])} << 24) |
         (uint32_t{static_cast<uint8_t>(name[1])} << 16) |
         (uint32_t{static_cast<uint8_t>(name[2])} << 8) | uint32_t{static_cast<uint8_t>(name[3])};
}

inline uint32_t ReadBigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
inline uint16_t ReadBigEndian16(const uint8_t* p) {
  return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

struct Chunk {
  uint32_t type = 0;
  std::span<const uint8_t> data;
};

class ChunkReader {
 public:
  explicit ChunkReader(std::span<const uint8_t> file) : file_(file) {}

  // True when the file starts with the PNG signature; positions the reader after it.
  bool ReadSignature();

  enum class Step {
    kChunk,      // `chunk` holds the next chunk
    kEndOfFile,  // the file ends where a chunk would start
    kPastEnd,    // a chunk's header or data runs past the end of the file
  };

  // Reads the next chunk. After kEndOfFile or kPastEnd reading stays at the end. A CRC cut
  // off by the end of the file is tolerated (it is never checked).
  Step Next(Chunk& chunk);

 private:
  std::span<const uint8_t> file_;
  size_t position_ = 0;
};

}  // namespace wayband::imaging::png
