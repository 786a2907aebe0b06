#include "platform/text/line_breaking.h"

#include <hb.h>

#include "platform/text/text_layout.h"

namespace wayband::platform::text {
namespace {

constexpr char32_t kSpace = U' ';
constexpr char32_t kCarriageReturn = U'\r';
constexpr char32_t kLineFeed = U'\n';

bool IsIdeographic(char32_t c) {
  switch (hb_unicode_script(hb_unicode_funcs_get_default(), c)) {
    case HB_SCRIPT_HAN:
    case HB_SCRIPT_HIRAGANA:
    case HB_SCRIPT_KATAKANA:
      return true;
    default:
      return false;
  }
}

bool CanBreakBefore(std::u32string_view text, size_t i) {
  if (text[i] == kSpace) return false;
  return text[i - 1] == kSpace || IsIdeographic(text[i - 1]) || IsIdeographic(text[i]);
}

// Line ends to try, in order: break opportunities at cluster starts, then the end.
std::vector<size_t> BreakOpportunities(std::u32string_view text, const LineLayout& layout) {
  std::vector<size_t> breaks;
  for (size_t i = 1; i < text.size(); ++i) {
    if (layout.clusterStart[i] && CanBreakBefore(text, i)) breaks.push_back(i);
  }
  breaks.push_back(text.size());
  return breaks;
}

class Wrapper {
 public:
  Wrapper(std::u32string_view text, const LineLayout& layout, int64_t maxWidth)
      : text_(text), maxWidth_(maxWidth), before_(text.size() + 1, 0) {
    for (size_t i = 0; i < text.size(); ++i)
      before_[i + 1] = before_[i] + layout.clusterAdvance[i];
  }

  size_t VisibleEnd(size_t start, size_t end) const {
    while (end > start && text_[end - 1] == kSpace)
      --end;
    return end;
  }
  bool Fits(size_t start, size_t end) const {
    return before_[VisibleEnd(start, end)] - before_[start] <= maxWidth_;
  }

 private:
  std::u32string_view text_;
  int64_t maxWidth_;
  std::vector<int64_t> before_;  // width of the characters before each index
};

}  // namespace

std::vector<LineSpan> SplitParagraphs(std::u32string_view text) {
  std::vector<LineSpan> paragraphs;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != kCarriageReturn && text[i] != kLineFeed) continue;
    paragraphs.push_back(LineSpan{start, i});
    if (text[i] == kCarriageReturn && i + 1 < text.size() && text[i + 1] == kLineFeed) ++i;
    start = i + 1;
  }
  paragraphs.push_back(LineSpan{start, text.size()});
  return paragraphs;
}

std::vector<LineSpan> WrapParagraph(RealizedFont& font, std::u32string_view text,
                                    LineSpan paragraph, int64_t maxWidth, bool rightToLeft) {
  const std::u32string_view words = text.substr(paragraph.start, paragraph.end - paragraph.start);
  const LineLayout layout = LayoutLine(font, words, rightToLeft);
  const Wrapper wrapper(words, layout, maxWidth);
  std::vector<LineSpan> lines;
  const auto emit = [&](size_t start, size_t end) {
    lines.push_back(
        LineSpan{paragraph.start + start, paragraph.start + wrapper.VisibleEnd(start, end)});
  };
  const std::vector<size_t> breaks = BreakOpportunities(words, layout);
  size_t start = 0;
  bool haveFit = false;
  size_t lastFit = 0;
  for (size_t k = 0; k < breaks.size();) {
    if (wrapper.Fits(start, breaks[k])) {
      haveFit = true;
      lastFit = breaks[k++];
    } else if (haveFit) {
      emit(start, lastFit);  // and try the same opportunity again on the next line
      start = lastFit;
      haveFit = false;
    } else {
      emit(start, breaks[k]);  // a word wider than the line stays whole
      start = breaks[k++];
    }
  }
  if (start < words.size() || lines.empty()) emit(start, words.size());
  return lines;
}

}  // namespace wayband::platform::text
