#include "platform/text/bidi_order.h"

#include <algorithm>
#include <numeric>

#include <fribidi.h>

namespace wayband::platform::text {

std::vector<uint8_t> EmbeddingLevels(std::u32string_view line, bool rightToLeft) {
  const auto length = static_cast<FriBidiStrIndex>(line.size());
  const uint8_t baseLevel = rightToLeft ? 1 : 0;
  std::vector<uint8_t> levels(line.size(), baseLevel);
  if (line.empty()) return levels;
  const std::vector<FriBidiChar> chars(line.begin(), line.end());
  std::vector<FriBidiCharType> types(line.size());
  std::vector<FriBidiBracketType> brackets(line.size());
  std::vector<FriBidiLevel> resolved(line.size());
  fribidi_get_bidi_types(chars.data(), length, types.data());
  fribidi_get_bracket_types(chars.data(), length, types.data(), brackets.data());
  FriBidiParType direction = rightToLeft ? FRIBIDI_PAR_RTL : FRIBIDI_PAR_LTR;
  if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), length, &direction,
                                          resolved.data()) == 0) {
    return levels;  // FriBidi could not allocate: the whole line keeps the base direction
  }
  std::ranges::transform(resolved, levels.begin(),
                         [](FriBidiLevel level) { return static_cast<uint8_t>(level); });
  return levels;
}

std::vector<size_t> VisualRunOrder(std::span<const uint8_t> runLevels) {
  std::vector<size_t> order(runLevels.size());
  std::iota(order.begin(), order.end(), size_t{0});
  if (runLevels.empty()) return order;
  const uint8_t highest = *std::ranges::max_element(runLevels);
  uint8_t lowestOdd = highest + 1;
  for (const uint8_t level : runLevels) {
    if (level % 2 == 1) lowestOdd = std::min(lowestOdd, level);
  }
  for (int level = highest; level >= lowestOdd; --level) {
    for (size_t i = 0; i < order.size();) {
      if (runLevels[order[i]] < level) {
        ++i;
        continue;
      }
      size_t end = i;
      while (end < order.size() && runLevels[order[end]] >= level)
        ++end;
      std::reverse(order.begin() + static_cast<std::ptrdiff_t>(i),
                   order.begin() + static_cast<std::ptrdiff_t>(end));
      i = end;
    }
  }
  return order;
}

}  // namespace wayband::platform::text
