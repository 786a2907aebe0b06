// Caption drawing: one caption in a rectangle with alignment, end ellipsis and optional
// word wrap, shown through DisplayText, in grey text for a control that is not enabled.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/drawing_context.h"

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

// True when any character of the (UTF-8) text is above U+00FF.
bool HasNonAnsiChar(std::string_view text);

}  // namespace wayband::render
