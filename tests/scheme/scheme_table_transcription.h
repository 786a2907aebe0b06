// The independent transcription of the scheme tables and a parser for it.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace wayband::test {

extern const char* const kTranscribedTableA;
extern const char* const kTranscribedTableB;
extern const char* const kTranscribedTableC;
extern const char* const kTranscribedTableD;

// One line: a label ("WINDOWS STANDARD", "NORMALCOLOR", styled", any other name, or a
// slot number) and its cells; an unset cell is nothing.
struct TranscribedLine {
  std::string label;
  std::vector<std::optional<uint32_t>> cells;
};

inline std::vector<TranscribedLine> ParseTranscription(const char* text) {
  std::vector<TranscribedLine> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) continue;
    std::istringstream fields(line);
    TranscribedLine parsed;
    std::getline(fields, parsed.label, '|');
    for (std::string cell; std::getline(fields, cell, '|');) {
      if (cell == "unset") {
        parsed.cells.push_back(std::nullopt);
      } else {
        parsed.cells.push_back(static_cast<uint32_t>(std::stoul(cell, nullptr, 16)));
      }
    }
    lines.push_back(std::move(parsed));
  }
  return lines;
}

// A red-first cell as a colour value (red in the low byte).
constexpr uint32_t FromRedFirst(uint32_t rrggbb) {
  return ((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16);
}

}  // namespace wayband::test
