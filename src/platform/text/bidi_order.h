// Bidirectional text: embedding levels of a line (the Unicode bidirectional algorithm,
// through FriBidi) and the visual order of runs of text at those levels.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace wayband::platform::text {

// One level per character: even levels run left to right, odd ones right to left. The
// paragraph's base direction is left to right unless `rightToLeft`.
std::vector<uint8_t> EmbeddingLevels(std::u32string_view line, bool rightToLeft);

// The visual order, left to right, of runs given in logical order with their levels
// (rule L2: every maximal sequence at or above a level is reversed, from the highest
// level down to the lowest odd one).
std::vector<size_t> VisualRunOrder(std::span<const uint8_t> runLevels);

}  // namespace wayband::platform::text
