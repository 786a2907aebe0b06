// Rendering one glyph outline with FreeType. Embedded bitmaps are never used: glyphs are
// always rendered from their outlines so that every size and quality looks alike.
#pragma once

#include <array>
#include <cstdint>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/text/glyph_image.h"

namespace wayband::platform::text {

struct GlyphStyle {
  GlyphMode mode = GlyphMode::kGrey;
  bool embolden = false;  // synthetic bold: outlines widened by a 24th of the em
  std::array<double, 4> transform{1.0, 0.0, 0.0, 1.0};  // xx, xy, yx, yy
};

// The load flags glyphs and their advances are read with for a mode.
FT_Int32 GlyphLoadFlags(GlyphMode mode);

// The glyph's coverage at the face's current size; an empty image for glyphs without
// outline (spaces) or that FreeType cannot load.
GlyphImage RasterizeGlyph(FT_Face face, uint32_t glyph, const GlyphStyle& style);

}  // namespace wayband::platform::text
