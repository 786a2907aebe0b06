#include "imaging/png/png_file.h"

#include <algorithm>

#include "imaging/png/chunk_reader.h"
#include "imaging/png/limits.h"

namespace wayband::imaging::png {
namespace {

constexpr size_t kIhdrBytes = 13;
constexpr uint32_t kMaxDimensionValue = 0x7FFFFFFF;  // PNG's limit for width and height
constexpr size_t kZtxtHeaderBytes = 3;  // compression-method byte and 2-byte zlib header
constexpr uint64_t kZtxtExpansion = 12;

void ReadHeader(std::span<const uint8_t> data, ImageHeader& header) {
  if (data.size() < kIhdrBytes) return;
  header = ImageHeader{};
  // A size beyond PNG's range is left 0, which the decoder refuses.
  const uint32_t width = ReadBigEndian32(data.data());
  const uint32_t height = ReadBigEndian32(data.data() + 4);
  header.width = width <= kMaxDimensionValue ? width : 0;
  header.height = height <= kMaxDimensionValue ? height : 0;
  header.bitDepth = data[8];
  header.colourType = data[9];
  header.compression = data[10];
  header.interlace = data[12];  // byte 11, the filter method, is not kept
}

// Splits keyword and value at the first zero byte (no zero: all keyword).
std::pair<std::span<const uint8_t>, std::span<const uint8_t>> SplitKeyword(
    std::span<const uint8_t> data) {
  const auto zero = std::find(data.begin(), data.end(), uint8_t{0});
  const size_t keywordLength = static_cast<size_t>(zero - data.begin());
  const size_t valueStart = std::min(data.size(), keywordLength + 1);
  return {data.first(keywordLength), data.subspan(valueStart)};
}

void AppendText(std::string& text, uint64_t maxBytes, std::span<const uint8_t> keyword,
                std::span<const uint8_t> value) {
  std::string entry(keyword.begin(), keyword.end());
  entry += ": ";
  entry.append(value.begin(), value.end());
  entry += '\n';
  if (text.size() + entry.size() <= maxBytes) text += entry;
}

void ReadCompressedText(std::span<const uint8_t> data, const Inflater& inflater, uint64_t maxBytes,
                        std::string& text) {
  const auto [keyword, rest] = SplitKeyword(data);
  const std::span<const uint8_t> compressed =
      rest.size() > kZtxtHeaderBytes ? rest.subspan(kZtxtHeaderBytes) : rest.subspan(rest.size());
  // The text is expected to be at most 12 times the highest index of the compressed bytes.
  const uint64_t expected = compressed.empty() ? 0 : kZtxtExpansion * (compressed.size() - 1);
  std::vector<uint8_t> out(std::min<uint64_t>(expected, maxBytes));
  const InflateResult result = inflater.Inflate(compressed, out);
  AppendText(text, maxBytes, keyword, std::span(out).first(result.written));
}

void ReadTimeYear(std::span<const uint8_t> data, int32_t& year) {
  if (data.size() >= 2) year = ReadBigEndian16(data.data());
}

void ReadGamma(std::span<const uint8_t> data, uint32_t& gamma) {
  if (data.size() >= 4) gamma = ReadBigEndian32(data.data());
}

// Handles one chunk; returns true at IEND.
bool ReadChunk(const Chunk& chunk, const Inflater& inflater, const DecodeLimits& limits,
               PngFile& file) {
  switch (chunk.type) {
    case ChunkType("IHDR"):
      ReadHeader(chunk.data, file.header);
      break;
    case ChunkType("PLTE"):
      file.palette.assign(chunk.data.begin(), chunk.data.end());
      break;
    case ChunkType("IDAT"):
      file.compressed.insert(file.compressed.end(), chunk.data.begin(), chunk.data.end());
      break;
    case ChunkType("IEND"):
      return true;
    case ChunkType("bKGD"):
      file.background.assign(chunk.data.begin(), chunk.data.end());
      break;
    case ChunkType("gAMA"):
      ReadGamma(chunk.data, file.gamma);
      break;
    case ChunkType("tEXt"): {
      const auto [keyword, value] = SplitKeyword(chunk.data);
      AppendText(file.text, limits.maxTextBytes, keyword, value);
      break;
    }
    case ChunkType("zTXt"):
      ReadCompressedText(chunk.data, inflater, limits.maxTextBytes, file.text);
      break;
    case ChunkType("tIME"):
      ReadTimeYear(chunk.data, file.timeYear);
      break;
    case ChunkType("tRNS"):
      file.transparency.assign(chunk.data.begin(), chunk.data.end());
      file.hasTransparency = true;
      break;
    default:
      break;  // cHRM, pHYs, sBIT, tEXt's relatives and every other type
  }
  return false;
}

}  // namespace

FileReadStatus ReadPngFile(std::span<const uint8_t> bytes, const Inflater& inflater,
                           const DecodeLimits& limits, PngFile& file) {
  ChunkReader reader(bytes);
  if (!reader.ReadSignature()) return FileReadStatus::kNotPng;
  Chunk chunk;
  for (;;) {
    switch (reader.Next(chunk)) {
      case ChunkReader::Step::kChunk:
        if (ReadChunk(chunk, inflater, limits, file)) return FileReadStatus::kOk;
        break;
      case ChunkReader::Step::kEndOfFile:
        return FileReadStatus::kOk;
      case ChunkReader::Step::kPastEnd:
        return FileReadStatus::kChunkPastEnd;
    }
  }
}

}  // namespace wayband::imaging::png
