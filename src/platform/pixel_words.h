// Word access to pixel memory. Pixel stores are byte arrays; 32-bit pixels are read and
// written through these helpers, which compile to plain loads and stores.
#pragma once

#include <cstdint>
#include <cstring>

namespace wayband::platform {

inline uint32_t LoadWord(const uint8_t* p) {
  uint32_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

inline void StoreWord(uint8_t* p, uint32_t word) {
  std::memcpy(p, &word, sizeof word);
}

// Stores `count` copies of `word` from `p` on, with the widest stores the processor offers.
void FillWords(uint8_t* p, uint32_t word, int64_t count);

// FillWords for this processor, chosen once: for loops that fill many short runs.
using WordFill = void (*)(uint8_t* p, uint32_t word, int64_t count);
WordFill ChosenWordFill();

// Copies `bytes` bytes between two pixel stores that do not overlap (rows of different
// bitmaps), with the widest stores the processor offers; chosen once.
using ByteCopy = void (*)(uint8_t* to, const uint8_t* from, int64_t bytes);
ByteCopy ChosenRowCopy();

}  // namespace wayband::platform
