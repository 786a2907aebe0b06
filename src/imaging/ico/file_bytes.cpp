#include "imaging/ico/file_bytes.h"

#include <fstream>

namespace wayband::imaging::ico {

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                  uint64_t maxBytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > maxBytes) return std::nullopt;

  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<uintmax_t>(file.gcount()) != size) return std::nullopt;
  return bytes;
}

}  // namespace wayband::imaging::ico
