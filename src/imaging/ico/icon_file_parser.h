// Reading an icon file from its bytes with the all-or-nothing rule: the header must name
// the accepted file type with at least one image, and the directory and every image block
// must lie wholly inside the file; otherwise nothing is kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "imaging/ico/icon_file_format.h"

namespace wayband::imaging::ico {

// A loaded icon file. The file's bytes are held once and each image is a range of them,
// so whatever the directory declares (entries may overlap or repeat), the memory kept is
// the file's size plus 16 bytes per directory entry.
class IconFileData {
 public:
  IconFileData(IconDirHeader header, std::vector<IconDirEntry> entries,
               std::vector<uint8_t> fileBytes);

  const IconDirHeader& Header() const { return header_; }
  const std::vector<IconDirEntry>& Entries() const { return entries_; }
  size_t ImageCount() const { return entries_.size(); }
  // The image data of entry `index` (0-based): exactly its bytes-in-resource bytes.
  std::span<const uint8_t> ImageBytes(size_t index) const;

 private:
  IconDirHeader header_;
  std::vector<IconDirEntry> entries_;
  std::vector<uint8_t> fileBytes_;
};

// Reads the header, the directory and the image blocks of `fileBytes`. Nothing when the
// reserved field is not 0, the type is not `accepted`, the count is below 1, or the
// directory or any image block runs past the end of the bytes.
std::optional<IconFileData> ParseIconFile(std::vector<uint8_t> fileBytes, IconFileType accepted);

}  // namespace wayband::imaging::ico
