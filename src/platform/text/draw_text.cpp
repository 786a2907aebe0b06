// DrawTextW: mnemonic prefixes, line breaking, end ellipsis, alignment and clipping.
#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

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

}  // namespace

// Everything DrawTextW computes before it paints; painting needs the context only for its
// colours and its bitmap.
class PreparedText {
 public:
  std::shared_ptr<RealizedFont> font;
  std::vector<FormattedLine> lines;
  std::vector<int64_t> lefts;  // per line
  int64_t top = 0;             // of the first line
  int32_t lineHeight = 0;
  Rect clip;
  bool underline = false;
  bool strikeOut = false;
  int result = 0;  // DrawTextW's return value
};

namespace {

// The lines of the text as DrawTextW formats them; nothing where it draws nothing.
struct Formatted {
  std::shared_ptr<RealizedFont> font;
  std::vector<FormattedLine> lines;
  int64_t textHeight = 0;
};

std::optional<Formatted> Format(const DrawingContext& dc, std::string_view text, const Rect& rect,
                                uint32_t format) {
  if (rect.IsEmpty() && !Has(format, DT_CALCRECT)) return std::nullopt;
  const auto chars = text::DecodeText(text);
  if (!chars || chars->empty()) return std::nullopt;
  Formatted out;
  out.font = text::SelectedFont(dc);
  if (!out.font) return std::nullopt;
  const text::MnemonicText shown =
      Has(format, DT_NOPREFIX) ? text::MnemonicText{*chars, {}}
                               : text::StripMnemonicPrefixes(*chars, !Has(format, DT_HIDEPREFIX));
  out.lines = FormatLines(*out.font, shown, format, int64_t{rect.right} - rect.left);
  out.textHeight = int64_t{out.font->metrics().height()} * static_cast<int64_t>(out.lines.size());
  return out;
}

std::shared_ptr<PreparedText> Prepare(const DrawingContext& dc, std::string_view text,
                                      const Rect& rect, uint32_t format) {
  std::optional<Formatted> formatted = Format(dc, text, rect, format);
  if (!formatted) return nullptr;
  auto prepared = std::make_shared<PreparedText>();
  prepared->lineHeight = formatted->font->metrics().height();
  prepared->top = FirstLineTop(rect, prepared->lineHeight, format);
  prepared->clip = Has(format, DT_NOCLIP) ? text::kNoClip : rect;
  const LogFont& lf = text::SelectedLogFont(dc);
  prepared->underline = lf.lfUnderline != 0;
  prepared->strikeOut = lf.lfStrikeOut != 0;
  for (const FormattedLine& line : formatted->lines)
    prepared->lefts.push_back(LineLeft(rect, line.layout.width, format));
  const bool placed = Has(format, DT_SINGLELINE) && Has(format, DT_VCENTER | DT_BOTTOM);
  prepared->result = ClampedHeight(placed ? prepared->top - rect.top + formatted->textHeight
                                          : formatted->textHeight);
  prepared->font = std::move(formatted->font);
  prepared->lines = std::move(formatted->lines);
  return prepared;
}

}  // namespace

std::shared_ptr<const PreparedText> PrepareTextW(const DrawingContext& dc, std::string_view text,
                                                 const Rect& rect, uint32_t format) {
  if (Has(format, DT_CALCRECT)) return nullptr;
  const auto lock = text::LockTextEngine();
  return Prepare(dc, text, rect, format);
}

namespace {

// Each line of the text with where it goes and the style the context gives it now.
template <typename Visit>
void ForEachPreparedLine(const DrawingContext& dc, const PreparedText& text, Visit visit) {
  text::LineStyle style;
  style.color = dc.TextColor();
  style.opaque = dc.BkMode() == BackgroundMode::kOpaque;
  style.background = dc.BkColor();
  style.underline = text.underline;
  style.strikeOut = text.strikeOut;
  for (size_t i = 0; i < text.lines.size(); ++i) {
    style.underlinedClusters = text.lines[i].underlined;
    visit(text.lines[i].layout, text.lefts[i],
          text.top + int64_t{text.lineHeight} * static_cast<int64_t>(i), style);
  }
}

}  // namespace

int DrawPreparedText(DrawingContext* dc, const PreparedText& text) {
  if (dc == nullptr) return 0;
  const auto lock = text::LockTextEngine();
  ForEachPreparedLine(
      *dc, text,
      [&](const text::LineLayout& layout, int64_t left, int64_t top, const text::LineStyle& style) {
        text::PaintLine(*dc, *text.font, layout, left, top, text.clip, style);
      });
  return text.result;
}

Rect PreparedTextInk(const DrawingContext& dc, const PreparedText& text) {
  const auto lock = text::LockTextEngine();
  Rect ink;
  ForEachPreparedLine(
      dc, text,
      [&](const text::LineLayout& layout, int64_t left, int64_t top, const text::LineStyle& style) {
        ink = UnionRect(ink, text::LineInk(*text.font, layout, left, top, text.clip, style));
      });
  return ink;
}

int DrawTextW(DrawingContext* dc, std::string_view text, Rect* rect, uint32_t format) {
  if (dc == nullptr || rect == nullptr) return 0;
  const auto lock = text::LockTextEngine();
  if (Has(format, DT_CALCRECT)) {
    const std::optional<Formatted> formatted = Format(*dc, text, *rect, format);
    if (!formatted) return 0;
    CalculateRect(formatted->lines, formatted->textHeight, *rect);
    return ClampedHeight(formatted->textHeight);
  }
  const std::shared_ptr<const PreparedText> prepared = Prepare(*dc, text, *rect, format);
  return prepared ? DrawPreparedText(dc, *prepared) : 0;
}

}  // namespace wayband::platform
