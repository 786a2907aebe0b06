// DrawTextW: mnemonic prefixes, line breaking, end ellipsis, alignment and clipping.
#include <algorithm>
#include <limits>

#include "platform/text/context_font.h"
#include "platform/text/end_ellipsis.h"
#include "platform/text/line_breaking.h"
#include "platform/text/line_paint.h"
#include "platform/text/mnemonic_prefix.h"
#include "platform/text/text_layout.h"
#include "platform/text/text_output.h"

namespace wayband::platform {
namespace {

using text::LineLayout;
using text::LineSpan;
using text::RealizedFont;

bool Has(uint32_t format, uint32_t flag) {
  return (format & flag) != 0;
}

// A line ready to paint: its layout and the mnemonic underlines that fall on it.
struct FormattedLine {
  LineLayout layout;
  std::vector<uint32_t> underlined;
};

std::vector<LineSpan> BreakLines(RealizedFont& font, std::u32string_view text, uint32_t format,
                                 int64_t width) {
  if (Has(format, DT_SINGLELINE)) return {LineSpan{0, text.size()}};
  std::vector<LineSpan> lines;
  for (const LineSpan& paragraph : text::SplitParagraphs(text)) {
    if (!Has(format, DT_WORDBREAK)) {
      lines.push_back(paragraph);
      continue;
    }
    const auto wrapped =
        text::WrapParagraph(font, text, paragraph, width, Has(format, DT_RTLREADING));
    lines.insert(lines.end(), wrapped.begin(), wrapped.end());
  }
  return lines;
}

std::vector<uint32_t> UnderlinesWithin(const std::vector<uint32_t>& underlined, size_t start,
                                       size_t end) {
  std::vector<uint32_t> within;
  for (const uint32_t index : underlined) {
    if (index >= start && index < end) within.push_back(static_cast<uint32_t>(index - start));
  }
  return within;
}

std::vector<FormattedLine> FormatLines(RealizedFont& font, const text::MnemonicText& shown,
                                       uint32_t format, int64_t width) {
  const bool rtl = Has(format, DT_RTLREADING);
  const std::vector<LineSpan> spans = BreakLines(font, shown.text, format, width);
  std::vector<FormattedLine> lines;
  for (size_t i = 0; i < spans.size(); ++i) {
    const std::u32string_view line =
        std::u32string_view(shown.text).substr(spans[i].start, spans[i].end - spans[i].start);
    FormattedLine formatted{text::LayoutLine(font, line, rtl),
                            UnderlinesWithin(shown.underlined, spans[i].start, spans[i].end)};
    const bool last = i + 1 == spans.size();
    if (last && Has(format, DT_END_ELLIPSIS) && formatted.layout.width > width) {
      text::EllipsisLine shortened =
          text::EndWithEllipsis(font, line, formatted.layout, width, rtl);
      std::erase_if(formatted.underlined, [&](uint32_t c) { return c >= shortened.kept; });
      formatted.layout = std::move(shortened.layout);
    }
    lines.push_back(std::move(formatted));
  }
  return lines;
}

int64_t LineLeft(const Rect& rect, int32_t lineWidth, uint32_t format) {
  const int64_t free = int64_t{rect.right} - rect.left - lineWidth;
  if (Has(format, DT_CENTER)) return rect.left + free / 2;
  if (Has(format, DT_RIGHT)) return int64_t{rect.right} - lineWidth;
  return rect.left;
}

int64_t FirstLineTop(const Rect& rect, int32_t lineHeight, uint32_t format) {
  if (!Has(format, DT_SINGLELINE)) return rect.top;
  if (Has(format, DT_VCENTER)) return rect.top + (int64_t{rect.bottom} - rect.top - lineHeight) / 2;
  if (Has(format, DT_BOTTOM)) return int64_t{rect.bottom} - lineHeight;
  return rect.top;
}

int32_t ClampedHeight(int64_t height) {
  return static_cast<int32_t>(std::clamp<int64_t>(height, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

void CalculateRect(const std::vector<FormattedLine>& lines, int64_t textHeight, Rect& rect) {
  int64_t widest = 0;
  for (const FormattedLine& line : lines)
    widest = std::max<int64_t>(widest, line.layout.width);
  rect = text::ClampedRect(rect.left, rect.top, rect.left + widest, rect.top + textHeight);
}

text::LineStyle StyleFor(const DrawingContext& dc, const LogFont& lf) {
  text::LineStyle style;
  style.color = dc.TextColor();
  style.opaque = dc.BkMode() == BackgroundMode::kOpaque;
  style.background = dc.BkColor();
  style.underline = lf.lfUnderline != 0;
  style.strikeOut = lf.lfStrikeOut != 0;
  return style;
}

}  // namespace

int DrawTextW(DrawingContext* dc, std::string_view text, Rect* rect, uint32_t format) {
  if (dc == nullptr || rect == nullptr) return 0;
  const bool calculate = Has(format, DT_CALCRECT);
  if (rect->IsEmpty() && !calculate) return 0;
  const auto chars = text::DecodeText(text);
  if (!chars || chars->empty()) return 0;
  const auto lock = text::LockTextEngine();
  const auto font = text::SelectedFont(*dc);
  if (!font) return 0;
  const text::MnemonicText shown =
      Has(format, DT_NOPREFIX) ? text::MnemonicText{*chars, {}}
                               : text::StripMnemonicPrefixes(*chars, !Has(format, DT_HIDEPREFIX));
  const int64_t width = int64_t{rect->right} - rect->left;
  const std::vector<FormattedLine> lines = FormatLines(*font, shown, format, width);
  const int32_t lineHeight = font->metrics().height();
  const int64_t textHeight = int64_t{lineHeight} * static_cast<int64_t>(lines.size());
  if (calculate) {
    CalculateRect(lines, textHeight, *rect);
    return ClampedHeight(textHeight);
  }
  const int64_t top = FirstLineTop(*rect, lineHeight, format);
  const Rect clip = Has(format, DT_NOCLIP) ? text::kNoClip : *rect;
  text::LineStyle style = StyleFor(*dc, text::SelectedLogFont(*dc));
  for (size_t i = 0; i < lines.size(); ++i) {
    style.underlinedClusters = lines[i].underlined;
    text::PaintLine(*dc, *font, lines[i].layout, LineLeft(*rect, lines[i].layout.width, format),
                    top + int64_t{lineHeight} * static_cast<int64_t>(i), clip, style);
  }
  const bool placed = Has(format, DT_SINGLELINE) && Has(format, DT_VCENTER | DT_BOTTOM);
  return ClampedHeight(placed ? top - rect->top + textHeight : textHeight);
}

}  // namespace wayband::platform
