#include "imaging/png/png_decoder.h"

#include <fstream>
#include <vector>

#include "imaging/png/limits.h"

namespace wayband::imaging {
namespace {

using Outcome = CPngDecoder::Outcome;

Outcome FromDecodeOutcome(png::DecodeOutcome outcome) {
  switch (outcome) {
    case png::DecodeOutcome::kBitmap:
      return Outcome::kBitmap;
    case png::DecodeOutcome::kPaletted:
      return Outcome::kPaletted;
    case png::DecodeOutcome::kLimitExceeded:
      return Outcome::kLimitExceeded;
    case png::DecodeOutcome::kUnsupportedFormat:
      break;
  }
  return Outcome::kUnsupportedFormat;
}

// Reads a whole file of at most maxBytes. False when it cannot be read or is larger.
bool ReadWholeFile(const std::filesystem::path& path, uint64_t maxBytes,
                   std::vector<uint8_t>& bytes, bool& tooLarge) {
  std::ifstream stream(path, std::ios::binary | std::ios::ate);
  if (!stream) return false;
  const std::streamoff size = stream.tellg();
  if (size < 0) return false;
  tooLarge = static_cast<uint64_t>(size) > maxBytes;
  if (tooLarge) return false;
  bytes.resize(static_cast<size_t>(size));
  stream.seekg(0);
  return static_cast<bool>(stream.read(reinterpret_cast<char*>(bytes.data()), size));
}

}  // namespace

void CPngDecoder::Reset() {
  FreeBitmap();
  file_ = png::PngFile{};
  paletted_ = png::PalettedImage{};
  inflateStatus_ = png::Status::kOk;
  outcome_ = Outcome::kNotLoaded;
}

void CPngDecoder::Load(const std::filesystem::path& path) {
  std::vector<uint8_t> bytes;
  bool tooLarge = false;
  if (!ReadWholeFile(path, limits_.maxFileBytes, bytes, tooLarge)) {
    Reset();
    outcome_ = tooLarge ? Outcome::kLimitExceeded : Outcome::kUnreadableFile;
    return;
  }
  LoadFromMemory(bytes);
}

void CPngDecoder::LoadFromMemory(std::span<const uint8_t> bytes) {
  Reset();
  switch (png::ReadPngFile(bytes, inflater_, limits_, file_)) {
    case png::FileReadStatus::kNotPng:
      outcome_ = Outcome::kNotPng;
      return;
    case png::FileReadStatus::kChunkPastEnd:
      outcome_ = Outcome::kChunkPastEnd;
      return;
    case png::FileReadStatus::kOk:
      break;
  }
  if (file_.compressed.empty()) {
    outcome_ = Outcome::kNoImageData;
    return;
  }
  png::DecodedImage image = png::DecodeImage(file_, inflater_, limits_);
  outcome_ = FromDecodeOutcome(image.outcome);
  inflateStatus_ = image.inflateStatus;
  bitmap_ = std::move(image.bitmap);
  paletted_ = std::move(image.paletted);
}

}  // namespace wayband::imaging
