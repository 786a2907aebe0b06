// Measuring caption text for placement: the height of a line in a font, as the control's
// TextHeight reports it.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/text/logical_font.h"

namespace wayband::render {

// The height of `text` laid out on one line in the font (its cell height), pixels; 0 when
// no face can be opened for the font.
int32_t TextHeightPixels(const platform::LogFont& font, std::string_view text);

// A text height in twips converted back to pixels for caption placement: divided by the
// twips per pixel and rounded to the nearest integer, halves to even. 0 for a twips per
// pixel of 0 or below.
int32_t CaptionHeightPixels(double heightTwips, double twipsPerPixelY);

}  // namespace wayband::render
