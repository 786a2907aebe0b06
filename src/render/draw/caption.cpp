#include "render/draw/caption.h"

#include <optional>
#include <string>

#include "platform/paint_caches.h"
#include "platform/system_colors.h"
#include "platform/text/display_text.h"
#include "platform/text/text_output.h"
#include "platform/text/utf8_decode.h"
#include "render/draw/drawing_flags.h"
#include "render/draw/selected_font.h"

namespace wayband::render {
namespace {

constexpr char32_t kLastAnsiCharacter = 0xFF;
// Where captions are drawn line by line at the rectangle's top-left instead of formatted,
// vertically centred captions move down this far to sit where a centred line would.
constexpr int32_t kVCentreShift = 4;

// Captions outside the NT family: text within the system code page is formatted like on
// NT; other text is drawn as one clipped line from the rectangle's top-left.
void DrawCaptionWithoutUnicodeFormatting(platform::DrawingContext* target, const std::string& text,
                                         platform::Rect rect, uint32_t format, uint32_t extra) {
  if (!HasNonAnsiChar(text)) {
    if (!text.empty()) platform::DrawTextW(target, text, &rect, format);
    return;
  }
  if (extra == platform::DT_VCENTER) {
    rect.top += kVCentreShift;
    rect.bottom += kVCentreShift;
  }
  platform::ExtTextOutW(target, rect.left, rect.top, platform::ETO_CLIPPED, &rect, text);
}

}  // namespace

uint32_t CaptionFormat(bool centre, bool rightAlign, bool wordWrap, uint32_t extra) {
  uint32_t format = 0;
  if (centre) {
    format = platform::DT_CENTER;
  } else {
    format = platform::DT_SINGLELINE | (rightAlign ? platform::DT_RIGHT : platform::DT_LEFT);
  }
  format |= platform::DT_END_ELLIPSIS;
  format |= wordWrap ? platform::DT_WORDBREAK : platform::DT_SINGLELINE;
  return format | extra;
}

void DrawCaption(platform::DrawingContext* target, std::string_view text, int32_t left, int32_t top,
                 int32_t right, int32_t bottom, bool normalLook, int restoreIndex, bool centre,
                 bool rightAlign, bool wordWrap, uint32_t extra) {
  if (target == nullptr) return;
  if (!normalLook) target->SetTextColor(platform::GetSysColor(kGrayTextColorIndex));
  const uint32_t format = CaptionFormat(centre, rightAlign, wordWrap, extra);
  const std::string shown = platform::DisplayText(text);
  platform::Rect rect{left, top, right, bottom};
  if (CurrentDrawingFlags().IsNT4OrLater) {
    if (!shown.empty()) platform::DrawTextW(target, shown, &rect, format);
  } else {
    DrawCaptionWithoutUnicodeFormatting(target, shown, rect, format, extra);
  }
  if (!normalLook) target->SetTextColor(platform::GetSysColor(restoreIndex));
}

bool CaptionCache::Holds(std::string_view shownText, const platform::LogFont& shownFont,
                         const platform::Rect& shownRect, uint32_t shownFormat) const {
  return filled && format == shownFormat && rect == shownRect && font == shownFont &&
         text == shownText;
}

void DrawCaptionInFont(platform::DrawingContext* target, const platform::LogFont* font,
                       std::string_view text, const platform::Rect& rect,
                       CaptionPlacement placement, CaptionCache* cache) {
  if (target == nullptr) return;
  if (cache == nullptr || !platform::PaintCachesEnabled() || !CurrentDrawingFlags().IsNT4OrLater) {
    const SelectedFont selected(target, font);
    DrawCaption(target, text, rect.left, rect.top, rect.right, rect.bottom, /*normalLook=*/true, 0,
                placement.centre, placement.rightAlign, placement.wordWrap, /*extra=*/0);
    return;
  }
  const uint32_t format =
      CaptionFormat(placement.centre, placement.rightAlign, placement.wordWrap, /*extra=*/0);
  const platform::LogFont& drawn =
      font != nullptr
          ? *font
          : (target->font().IsNull() ? platform::DefaultGuiLogFont() : *target->font().logFont);
  if (!cache->Holds(text, drawn, rect, format)) {
    const SelectedFont selected(target, font);
    const std::string shown = platform::DisplayText(text);
    cache->layout = shown.empty() ? nullptr : platform::PrepareTextW(*target, shown, rect, format);
    cache->text.assign(text);
    cache->font = drawn;
    cache->rect = rect;
    cache->format = format;
    cache->filled = true;
  }
  if (cache->layout) platform::DrawPreparedText(target, *cache->layout);
}

bool HasNonAnsiChar(std::string_view text) {
  const std::optional<std::u32string> characters = platform::text::DecodeUtf8(text);
  // Bytes that are not UTF-8 read as replacement characters, which lie above U+00FF.
  if (!characters) return true;
  for (char32_t c : *characters) {
    if (c > kLastAnsiCharacter) return true;
  }
  return false;
}

}  // namespace wayband::render
