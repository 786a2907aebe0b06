// ExtTextOutW.
#include "platform/text/context_font.h"
#include "platform/text/coverage_blend.h"
#include "platform/text/line_paint.h"
#include "platform/text/text_layout.h"
#include "platform/text/text_output.h"

namespace wayband::platform {
bool ExtTextOutW(DrawingContext* dc, int32_t x, int32_t y, uint32_t options, const Rect* rect,
                 std::string_view text) {
  if (dc == nullptr) return false;
  const auto chars = text::DecodeText(text);
  if (!chars) return false;
  if ((options & ETO_OPAQUE) != 0 && rect != nullptr) {
    FillRect(*dc, *rect, CreateSolidBrush(dc->BkColor() & text::kColorBits));
  }
  if (chars->empty()) return true;
  const auto lock = text::LockTextEngine();
  const auto font = text::SelectedFont(*dc);
  if (!font) return false;
  const LogFont& lf = text::SelectedLogFont(*dc);
  const text::LineLayout layout = text::LayoutLine(*font, *chars, (options & ETO_RTLREADING) != 0);
  text::LineStyle style;
  style.color = dc->TextColor();
  style.opaque = dc->BkMode() == BackgroundMode::kOpaque && (options & ETO_OPAQUE) == 0;
  style.background = dc->BkColor();
  style.underline = lf.lfUnderline != 0;
  style.strikeOut = lf.lfStrikeOut != 0;
  const Rect clip = (options & ETO_CLIPPED) != 0 && rect != nullptr ? *rect : text::kNoClip;
  text::PaintLine(*dc, *font, layout, x, y, clip, style);
  return true;
}

}  // namespace wayband::platform
