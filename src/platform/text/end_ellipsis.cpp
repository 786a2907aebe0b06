#include "platform/text/end_ellipsis.h"

namespace wayband::platform::text {
namespace {

constexpr char32_t kSpace = U' ';

size_t WithoutTrailingSpaces(std::u32string_view line, size_t end) {
  while (end > 0 && line[end - 1] == kSpace)
    --end;
  return end;
}

// The cluster start before `end` (0 when there is none).
size_t PreviousClusterStart(const LineLayout& layout, size_t end) {
  while (end > 0 && !layout.clusterStart[--end]) {
  }
  return end;
}

EllipsisLine Shortened(RealizedFont& font, std::u32string_view line, size_t kept,
                       bool rightToLeft) {
  EllipsisLine out;
  out.kept = WithoutTrailingSpaces(line, kept);
  out.text.assign(line.substr(0, out.kept));
  out.text.append(kEllipsis);
  out.layout = LayoutLine(font, out.text, rightToLeft);
  return out;
}

}  // namespace

EllipsisLine EndWithEllipsis(RealizedFont& font, std::u32string_view line, const LineLayout& layout,
                             int64_t maxWidth, bool rightToLeft) {
  const int64_t dots = LayoutLine(font, kEllipsis, rightToLeft).width;
  // The estimate from the whole line's cluster advances picks the longest start; shaping
  // across the cut can differ a little, so the pick steps back until it really fits.
  size_t kept = 0;
  int64_t width = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    width += layout.clusterAdvance[i];
    const size_t next = i + 1;
    const bool atBoundary = next == line.size() || layout.clusterStart[next];
    if (atBoundary && width + dots <= maxWidth) kept = next;
    if (width + dots > maxWidth) break;
  }
  EllipsisLine out = Shortened(font, line, kept, rightToLeft);
  while (out.layout.width > maxWidth && kept > 0) {
    kept = PreviousClusterStart(layout, kept);
    out = Shortened(font, line, kept, rightToLeft);
  }
  return out;
}

}  // namespace wayband::platform::text
