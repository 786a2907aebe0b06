// GetTextExtentPoint32W and GetTextMetricsW.
#include "platform/text/context_font.h"
#include "platform/text/text_layout.h"
#include "platform/text/text_output.h"
#include "platform/text/utf8_decode.h"

namespace wayband::platform {

bool GetTextExtentPoint32W(const DrawingContext* dc, std::string_view text, Size* size) {
  if (dc == nullptr || size == nullptr) return false;
  const auto chars = text::DecodeText(text);
  if (!chars) return false;
  const auto lock = text::LockTextEngine();
  const auto font = text::SelectedFont(*dc);
  if (!font) return false;
  *size = Size{text::LayoutLine(*font, *chars, false).width, font->metrics().height()};
  return true;
}

std::optional<int32_t> TextExtentHeight(const LogFont& logFont, std::string_view text) {
  if (!text::IsUtf8(text::UpToNul(text))) return std::nullopt;
  const auto lock = text::LockTextEngine();
  const auto font = text::RealizedFont::For(logFont);
  if (!font) return std::nullopt;
  return font->metrics().height();
}

bool GetTextMetricsW(const DrawingContext* dc, TextMetric* metrics) {
  if (dc == nullptr || metrics == nullptr) return false;
  const auto lock = text::LockTextEngine();
  const auto font = text::SelectedFont(*dc);
  if (!font) return false;
  const LogFont& lf = text::SelectedLogFont(*dc);
  const text::ScaledMetrics& m = font->metrics();
  *metrics = TextMetric{};
  metrics->tmHeight = m.height();
  metrics->tmAscent = m.ascent;
  metrics->tmDescent = m.descent;
  metrics->tmInternalLeading = m.internalLeading;
  metrics->tmExternalLeading = m.externalLeading;
  metrics->tmAveCharWidth = m.averageWidth;
  metrics->tmMaxCharWidth = m.maxWidth;
  metrics->tmWeight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : lf.lfWeight;
  metrics->tmItalic = lf.lfItalic;
  metrics->tmUnderlined = lf.lfUnderline;
  metrics->tmStruckOut = lf.lfStrikeOut;
  metrics->tmCharSet = lf.lfCharSet;
  return true;
}

}  // namespace wayband::platform
