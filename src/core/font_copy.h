// Copies of font objects, as the control makes them for its own, header and selected-bar
// fonts.
#pragma once

#include <memory>

#include "wayband/std_font.h"

namespace wayband::core {

inline constexpr const char* kFallbackFontName = "Tahoma";
inline constexpr double kFallbackFontSize = 8.0;

// A new font object receiving the source's bold flag, character set, italic flag, name,
// size, strikethrough, underline and weight, in this order (so the weight decides the
// boldness). Without a source: Tahoma at 8 points.
std::shared_ptr<StdFont> CopyFont(const std::shared_ptr<StdFont>& source);

}  // namespace wayband::core
