#include "imaging/png/chunk_reader.h"

#include <algorithm>
#include <array>

namespace wayband::imaging::png {
namespace {

constexpr std::array<uint8_t, 8> kSignature = {137, 80, 78, 71, 13, 10, 26, 10};
constexpr size_t kChunkHeaderBytes = 8;  // length and type
constexpr size_t kCrcBytes = 4;

}  // namespace

bool ChunkReader::ReadSignature() {
  if (file_.size() < kSignature.size() ||
      !std::equal(kSignature.begin(), kSignature.end(), file_.begin())) {
    return false;
  }
  position_ = kSignature.size();
  return true;
}

ChunkReader::Step ChunkReader::Next(Chunk& chunk) {
  const size_t left = file_.size() - position_;
  if (left == 0) return Step::kEndOfFile;
  if (left < kChunkHeaderBytes) {
    position_ = file_.size();
    return Step::kPastEnd;
  }
  const uint32_t length = ReadBigEndian32(file_.data() + position_);
  chunk.type = ReadBigEndian32(file_.data() + position_ + 4);
  if (length > left - kChunkHeaderBytes) {
    position_ = file_.size();
    return Step::kPastEnd;
  }
  chunk.data = file_.subspan(position_ + kChunkHeaderBytes, length);
  position_ += std::min(left, kChunkHeaderBytes + length + kCrcBytes);
  return Step::kChunk;
}

}  // namespace wayband::imaging::png
