// Deterministic sample data for the decoder tests: text, structured binary, long runs and
// incompressible bytes.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace wayband::imaging::png::testing {

enum class DataKind { kText, kBinary, kLongRuns, kIncompressible };

inline std::string DataKindName(DataKind kind) {
  switch (kind) {
    case DataKind::kText:
      return "text";
    case DataKind::kBinary:
      return "binary";
    case DataKind::kLongRuns:
      return "runs";
    case DataKind::kIncompressible:
      return "random";
  }
  return "?";
}

inline std::vector<uint8_t> MakeData(DataKind kind, size_t size, uint32_t seed = 1) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> data;
  data.reserve(size + 64);
  static const char* const kWords[] = {"bar ",    "panel ",  "icon ",   "the ", "of ",
                                       "colour ", "scheme ", "header ", "\n",   "button, "};
  while (data.size() < size) {
    switch (kind) {
      case DataKind::kText: {
        const std::string word = kWords[rng() % 10];
        data.insert(data.end(), word.begin(), word.end());
        break;
      }
      case DataKind::kBinary: {
        // Little-endian records with slowly changing fields, like pixel rows or tables.
        const uint32_t value = static_cast<uint32_t>(data.size() / 16) * 3 + rng() % 4;
        for (int i = 0; i < 4; ++i)
          data.push_back(static_cast<uint8_t>(value >> (8 * i)));
        break;
      }
      case DataKind::kLongRuns:
        data.insert(data.end(), 1 + rng() % 2000, static_cast<uint8_t>(rng() % 3));
        break;
      case DataKind::kIncompressible:
        data.push_back(static_cast<uint8_t>(rng()));
        break;
    }
  }
  data.resize(size);
  return data;
}

}  // namespace wayband::imaging::png::testing
