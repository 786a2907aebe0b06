// Ending a line that is too wide with "...": the longest start of the line, cut between
// clusters and without its trailing spaces, that fits the width together with the dots.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/text_layout.h"

namespace wayband::platform::text {

inline constexpr std::u32string_view kEllipsis = U"...";

struct EllipsisLine {
  std::u32string text;  // the kept characters followed by kEllipsis
  size_t kept = 0;      // characters kept from the line
  LineLayout layout;
};

// The shortened line. `layout` is the line laid out whole. When not even the dots fit,
// the result is the dots alone.
EllipsisLine EndWithEllipsis(RealizedFont& font, std::u32string_view line, const LineLayout& layout,
                             int64_t maxWidth, bool rightToLeft);

}  // namespace wayband::platform::text
