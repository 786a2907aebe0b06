// Laying out one line of text: each cluster (a character with its combining marks) gets
// the first face that can draw it, the line is split into runs of one face, script and
// embedding level, each run is shaped by HarfBuzz, and the runs are put in visual order.
// Positions are whole pixels: every advance is rounded on its own, as the platform's text
// output places glyphs.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/text/face_instance.h"
#include "platform/text/realized_font.h"
#include "platform/text/shaping_count.h"

namespace wayband::platform::text {

struct PlacedGlyph {
  FaceInstance* face = nullptr;
  uint32_t glyph = 0;
  int32_t x = 0;  // pixels right of the line's left edge to the glyph's origin
  int32_t y = 0;  // pixels below the baseline of the glyph's origin
  int32_t advance = 0;
  uint32_t cluster = 0;  // index of the first character of the glyph's cluster
};

struct LineLayout {
  std::vector<PlacedGlyph> glyphs;  // left to right
  int32_t width = 0;                // pixels: the sum of the advances
  // Per character, in logical order: the advance of the cluster that starts there, 0 for
  // characters inside a cluster; and whether a cluster starts there.
  std::vector<int32_t> clusterAdvance;
  std::vector<bool> clusterStart;

  // The horizontal extent [left, right) of the glyphs of the cluster starting at
  // `character`; empty (left == right) when it has none.
  std::pair<int32_t, int32_t> ClusterExtent(uint32_t character) const;
};

// Characters the text calls never draw: C0 and C1 control characters and DEL. They are
// laid out as zero-width spaces.
bool IsControlCharacter(char32_t c);

// Lays out `line` (no line breaks of its own) in the font; a right-to-left paragraph when
// `rightToLeft`.
LineLayout LayoutLine(RealizedFont& font, std::u32string_view line, bool rightToLeft);

}  // namespace wayband::platform::text
