#include "imaging/ico/icon_file_parser.h"

#include <utility>

namespace wayband::imaging::ico {
namespace {

bool HeaderAccepted(const IconDirHeader& header, IconFileType accepted) {
  return header.reserved == 0 && header.type == static_cast<uint16_t>(accepted) &&
         header.count >= 1;
}

// Whether the block [offset, offset + length) lies within `fileSize` bytes. All operands
// are below 2^32, so the 64-bit sum cannot overflow.
bool BlockInFile(uint64_t offset, uint64_t length, uint64_t fileSize) {
  return offset <= fileSize && length <= fileSize - offset;
}

}  // namespace

IconFileData::IconFileData(IconDirHeader header, std::vector<IconDirEntry> entries,
                           std::vector<uint8_t> fileBytes)
    : header_(header), entries_(std::move(entries)), fileBytes_(std::move(fileBytes)) {}

std::span<const uint8_t> IconFileData::ImageBytes(size_t index) const {
  if (index >= entries_.size()) return {};
  const IconDirEntry& entry = entries_[index];
  return std::span<const uint8_t>(fileBytes_).subspan(entry.imageOffset, entry.bytesInResource);
}

std::optional<IconFileData> ParseIconFile(std::vector<uint8_t> fileBytes, IconFileType accepted) {
  const std::span<const uint8_t> bytes(fileBytes);
  if (bytes.size() < kIconDirHeaderBytes) return std::nullopt;
  const IconDirHeader header = ReadDirHeader(bytes.first<kIconDirHeaderBytes>());
  if (!HeaderAccepted(header, accepted)) return std::nullopt;

  const size_t count = static_cast<size_t>(header.count);
  if (!BlockInFile(kIconDirHeaderBytes, count * kIconDirEntryBytes, bytes.size())) {
    return std::nullopt;
  }
  std::vector<IconDirEntry> entries;
  entries.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const size_t at = kIconDirHeaderBytes + i * kIconDirEntryBytes;
    entries.push_back(ReadDirEntry(bytes.subspan(at).first<kIconDirEntryBytes>()));
  }
  for (const IconDirEntry& entry : entries) {
    if (!BlockInFile(entry.imageOffset, entry.bytesInResource, bytes.size())) return std::nullopt;
  }
  return IconFileData(header, std::move(entries), std::move(fileBytes));
}

}  // namespace wayband::imaging::ico
