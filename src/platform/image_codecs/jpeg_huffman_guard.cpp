#include "platform/image_codecs/jpeg_huffman_guard.h"

namespace wayband::platform::codecs {
namespace {

constexpr uint8_t kMarkerPrefix = 0xFF;
constexpr uint8_t kStuffedZero = 0x00;
constexpr uint8_t kFirstRestart = 0xD0;
constexpr uint8_t kLastRestart = 0xD7;
constexpr uint8_t kStartOfImage = 0xD8;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kDefineHuffmanTables = 0xC4;
constexpr uint8_t kTemporary = 0x01;
constexpr uint8_t kBaselineFrame = 0xC0;
constexpr uint8_t kExtendedFrame = 0xC1;
constexpr uint8_t kProgressiveFrame = 0xC2;

// A table: one class and id byte, 16 code counts, then that many symbols.
constexpr size_t kTableHeaderBytes = 17;
constexpr unsigned kMaxTableSymbols = 256;

// The frame headers the decoder reads: baseline, extended and progressive.
bool IsFrameHeader(uint8_t marker) {
  return marker == kBaselineFrame || marker == kExtendedFrame || marker == kProgressiveFrame;
}

bool StandsAlone(uint8_t marker) {
  return marker == kTemporary || marker == kStartOfImage || marker == kEndOfImage ||
         (marker >= kFirstRestart && marker <= kLastRestart);
}

// The byte at `pos`, 0 past the end of the file (as the decoder reads it).
uint8_t ByteAt(std::span<const uint8_t> file, size_t pos) {
  return pos < file.size() ? file[pos] : 0;
}

// The tables of the DHT segment whose payload starts at `pos` and declares `length` bytes,
// read the way the decoder reads them: from the file, table after table while the declared
// length lasts, even when a table runs past the segment or the file.
bool TablesFit(std::span<const uint8_t> file, size_t pos, size_t length) {
  size_t consumed = 0;
  while (consumed < length) {
    unsigned symbols = 0;
    for (size_t i = 1; i < kTableHeaderBytes; ++i)
      symbols += ByteAt(file, pos + consumed + i);
    if (symbols > kMaxTableSymbols) return false;
    consumed += kTableHeaderBytes + symbols;
  }
  return true;
}

// The position after the entropy-coded data that starts at `pos`: at the next marker that
// is neither a stuffed zero nor a restart marker.
size_t SkipEntropyCodedData(std::span<const uint8_t> file, size_t pos) {
  while (pos + 1 < file.size()) {
    if (file[pos] == kMarkerPrefix) {
      const uint8_t next = file[pos + 1];
      const bool inData = next == kStuffedZero || next == kMarkerPrefix ||
                          (next >= kFirstRestart && next <= kLastRestart);
      if (!inData) return pos;
    }
    ++pos;
  }
  return file.size();
}

}  // namespace

// The walk follows the decoder: before the frame header it skips bytes between segments
// that are not a marker; after it, such bytes end decoding.
bool JpegHuffmanTablesFit(std::span<const uint8_t> file) {
  size_t pos = 2;  // after the start-of-image marker
  bool inFrame = false;
  while (pos + 1 < file.size()) {
    if (file[pos] != kMarkerPrefix) {
      if (inFrame) return true;
      ++pos;
      continue;
    }
    const uint8_t marker = file[pos + 1];
    pos += 2;
    if (marker == kMarkerPrefix) {
      --pos;  // fill byte: the marker follows
      continue;
    }
    if (marker == kEndOfImage) return true;
    if (StandsAlone(marker)) continue;
    const size_t length = size_t{ByteAt(file, pos)} << 8 | ByteAt(file, pos + 1);
    if (length < 2) return true;
    if (marker == kDefineHuffmanTables && !TablesFit(file, pos + 2, length - 2)) return false;
    pos += length;
    inFrame |= IsFrameHeader(marker);
    if (marker == kStartOfScan) pos = SkipEntropyCodedData(file, pos);
  }
  return true;
}

}  // namespace wayband::platform::codecs
