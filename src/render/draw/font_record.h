// Fonts for painting: the logical font of a font object, and font copies.
#pragma once

#include <memory>

#include "platform/drawing_context.h"
#include "platform/text/logical_font.h"
#include "wayband/std_font.h"

namespace wayband::render {

inline constexpr const char* kFallbackFontName = "Tahoma";
inline constexpr double kFallbackFontSize = 8.0;

// Fills `record` from the font: face name (at most 31 characters), height
// −MulDiv(round(Size), LOGPIXELSY of `context` (the screen's when null), 72), weight 700
// when bold or `forceBold` else 400, italic, underline, strike-out, character set, and
// ClearType or antialiased quality by the process-wide flag.
void FontToLogFont(const StdFont& font, const platform::DrawingContext* context,
                   platform::LogFont* record, bool forceBold);

// A new font object copying bold, character set, italic, name, size, strikethrough,
// underline and weight, in this order (so the weight decides the boldness). Without a
// source: Tahoma at 8 points.
std::shared_ptr<StdFont> CloneFont(const std::shared_ptr<StdFont>& source);

}  // namespace wayband::render
