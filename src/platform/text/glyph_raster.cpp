#include "platform/text/glyph_raster.h"

#include <cstdlib>

#include FT_OUTLINE_H

namespace wayband::platform::text {
namespace {

constexpr FT_Pos kEmboldenDivisor = 24;
constexpr double kFixedOne = 65536.0;
constexpr uint8_t kFullCoverage = 255;

FT_Render_Mode RenderMode(GlyphMode mode) {
  switch (mode) {
    case GlyphMode::kMonochrome:
      return FT_RENDER_MODE_MONO;
    case GlyphMode::kSubpixel:
      return FT_RENDER_MODE_LCD;
    case GlyphMode::kGrey:
      break;
  }
  return FT_RENDER_MODE_NORMAL;
}

void ApplySynthesis(FT_Face face, FT_Outline& outline, const GlyphStyle& style) {
  if (style.embolden) {
    const FT_Pos strength =
        FT_MulFix(face->units_per_EM, face->size->metrics.y_scale) / kEmboldenDivisor;
    FT_Outline_EmboldenXY(&outline, strength, strength);
  }
  if (style.transform != std::array<double, 4>{1.0, 0.0, 0.0, 1.0}) {
    FT_Matrix matrix{static_cast<FT_Fixed>(style.transform[0] * kFixedOne),
                     static_cast<FT_Fixed>(style.transform[1] * kFixedOne),
                     static_cast<FT_Fixed>(style.transform[2] * kFixedOne),
                     static_cast<FT_Fixed>(style.transform[3] * kFixedOne)};
    FT_Outline_Transform(&outline, &matrix);
  }
}

// Copies FreeType's bitmap (grey, LCD or one bit per pixel, either pitch sign) into
// coverage rows.
GlyphImage CopyBitmap(const FT_GlyphSlot slot) {
  const FT_Bitmap& bitmap = slot->bitmap;
  GlyphImage image;
  image.left = slot->bitmap_left;
  image.top = slot->bitmap_top;
  image.channels = bitmap.pixel_mode == FT_PIXEL_MODE_LCD ? 3 : 1;
  image.width = static_cast<int32_t>(bitmap.width) / image.channels;
  image.height = static_cast<int32_t>(bitmap.rows);
  if (image.IsEmpty() || bitmap.buffer == nullptr) return GlyphImage{};
  const size_t rowValues = static_cast<size_t>(image.width) * static_cast<size_t>(image.channels);
  image.coverage.resize(rowValues * static_cast<size_t>(image.height));
  const size_t pitch = static_cast<size_t>(std::abs(bitmap.pitch));
  for (int32_t y = 0; y < image.height; ++y) {
    const size_t stored =
        bitmap.pitch >= 0 ? static_cast<size_t>(y) : static_cast<size_t>(image.height - 1 - y);
    const uint8_t* src = bitmap.buffer + stored * pitch;
    uint8_t* dst = image.coverage.data() + static_cast<size_t>(y) * rowValues;
    for (size_t x = 0; x < rowValues; ++x) {
      dst[x] = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                   ? ((src[x / 8] >> (7 - x % 8)) & 1u ? kFullCoverage : 0)
                   : src[x];
    }
  }
  return image;
}

}  // namespace

FT_Int32 GlyphLoadFlags(GlyphMode mode) {
  // Light hinting aligns heights to the pixel grid without changing advances, which keeps
  // small captions crisp while their widths follow the font's design.
  const FT_Int32 target =
      mode == GlyphMode::kMonochrome ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_LIGHT;
  return FT_LOAD_NO_BITMAP | target;
}

GlyphImage RasterizeGlyph(FT_Face face, uint32_t glyph, const GlyphStyle& style) {
  if (face == nullptr || FT_Load_Glyph(face, glyph, GlyphLoadFlags(style.mode)) != 0) {
    return GlyphImage{};
  }
  FT_GlyphSlot slot = face->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return GlyphImage{};
  ApplySynthesis(face, slot->outline, style);
  if (FT_Render_Glyph(slot, RenderMode(style.mode)) != 0) return GlyphImage{};
  return CopyBitmap(slot);
}

}  // namespace wayband::platform::text
