// Files of the imaging tests: whole files read as bytes (fuzz corpora, test data) and bytes
// written to a temporary file for the code that reads paths.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace wayband::imaging::testing {

inline std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream stream(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

struct CorpusFile {
  std::string name;
  std::vector<uint8_t> bytes;
};

// Every file of fuzz/corpus/<target>: the fuzzer's seeds and the inputs it found trouble with.
inline std::vector<CorpusFile> FuzzCorpus(const char* target) {
  const auto folder =
      std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "fuzz" / "corpus" / target;
  std::vector<CorpusFile> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files.push_back({entry.path().filename().string(), ReadFileBytes(entry.path())});
  return files;
}

// Writes the bytes to `name` in this process's temporary folder and returns the path.
inline std::filesystem::path WriteTempFile(const std::string& name,
                                           const std::vector<uint8_t>& bytes) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("wayband_imaging_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const auto path = folder / name;
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace wayband::imaging::testing
