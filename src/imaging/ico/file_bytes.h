// Reading a whole file into memory for the icon-file reader.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace wayband::imaging::ico {

// Largest icon file read. A file of 256 images of 256 x 256 pixels at 32 bits takes about
// 70 MiB, far beyond any real icon file; a larger file is refused unread.
inline constexpr uint64_t kMaxIconFileBytes = uint64_t{64} << 20;

// The file's bytes; nothing when it cannot be opened or read in full, or is larger than
// `maxBytes`.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                  uint64_t maxBytes);

}  // namespace wayband::imaging::ico
