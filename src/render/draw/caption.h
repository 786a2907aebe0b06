// Caption drawing: one caption in a rectangle with alignment, end ellipsis and optional
// word wrap, shown through DisplayText, in grey text for a control that is not enabled.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/drawing_context.h"
#include "platform/text/logical_font.h"
#include "platform/text/text_output.h"

namespace wayband::render {

// The grey-text system colour index, used for captions of controls that are not enabled.
inline constexpr int kGrayTextColorIndex = 17;

// DrawTextW format of a caption: DT_CENTER when centred, else DT_SINGLELINE plus DT_RIGHT
// when right-aligned; always DT_END_ELLIPSIS; DT_WORDBREAK when word-wrapped, else
// DT_SINGLELINE; plus `extra` when not 0.
uint32_t CaptionFormat(bool centre, bool rightAlign, bool wordWrap, uint32_t extra);

// Draws DisplayText(text) in (left, top, right, bottom). When `normalLook` is false the
// text colour is the grey-text colour while drawing and GetSysColor(restoreIndex)
// afterwards.
void DrawCaption(platform::DrawingContext* target, std::string_view text, int32_t left, int32_t top,
                 int32_t right, int32_t bottom, bool normalLook, int restoreIndex, bool centre,
                 bool rightAlign, bool wordWrap, uint32_t extra);

// Where a caption goes in its rectangle (see CaptionFormat).
struct CaptionPlacement {
  bool centre = false;
  bool rightAlign = false;
  bool wordWrap = false;
};

// One caption's layout, kept by whoever draws that caption on every frame (each bar, the
// header, the control's background) so that an unchanged caption is neither decoded nor
// shaped again: its glyphs are drawn from the glyph cache at the positions laid out once.
// Key: the text as given, the font record it is drawn in, the rectangle and the DrawTextW
// format; the layout is made afresh whenever one of them differs. Nothing else shapes a
// caption: the colours are the target's at each drawing, and the realized font and the
// format rules depend on nothing but the key. Used on the NT family's formatted path only
// (elsewhere captions are drawn as before), and off with platform::SetPaintCachesEnabled.
struct CaptionCache {
  bool filled = false;
  std::string text;
  platform::LogFont font;
  platform::Rect rect;
  uint32_t format = 0;
  // Null when the caption draws nothing.
  std::shared_ptr<const platform::PreparedText> layout;

  bool Holds(std::string_view text, const platform::LogFont& font, const platform::Rect& rect,
             uint32_t format) const;
};

// The caption in the normal look, in the font (null: the target's font, which stays
// selected either way): DrawCaption's result, drawn from `cache` when it holds this
// caption, and keeping the caption's layout in it otherwise. A null cache draws afresh.
void DrawCaptionInFont(platform::DrawingContext* target, const platform::LogFont* font,
                       std::string_view text, const platform::Rect& rect,
                       CaptionPlacement placement, CaptionCache* cache);

// True when any character of the (UTF-8) text is above U+00FF.
bool HasNonAnsiChar(std::string_view text);

}  // namespace wayband::render
