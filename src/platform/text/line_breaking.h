// Splitting text into lines: at explicit line breaks (CR LF, CR, LF) and, for word-wrapped
// text, between words where a line would pass the available width.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/text/realized_font.h"

namespace wayband::platform::text {

// Characters [start, end) of the text.
struct LineSpan {
  size_t start = 0;
  size_t end = 0;
  friend bool operator==(const LineSpan&, const LineSpan&) = default;
};

// The paragraphs between explicit line breaks; an empty text is one empty paragraph.
std::vector<LineSpan> SplitParagraphs(std::u32string_view text);

// Breaks a paragraph into lines no wider than `maxWidth` where the text allows it. A line
// may end after spaces (which it does not show) or between two ideographs; a line that
// cannot break in time keeps its first word whole and runs past the width.
std::vector<LineSpan> WrapParagraph(RealizedFont& font, std::u32string_view text,
                                    LineSpan paragraph, int64_t maxWidth, bool rightToLeft);

}  // namespace wayband::platform::text
