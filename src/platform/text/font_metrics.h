// Font measures as the platform reports them for outline fonts: the cell comes from the
// face's Windows ascent and descent (OS/2 table, the horizontal header when it has none),
// each scaled to the pixel size and rounded, so that a font measures the same cell height
// as on the platform it was designed for (Tahoma at an 11-pixel character height has an
// ascent of 11 and a descent of 2: 13 pixels).
#pragma once

#include <cstdint>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace wayband::platform::text {

// Character height used for a logical height of 0.
inline constexpr int32_t kDefaultCharacterHeight = 12;
// Largest pixel size a font is realized at; larger requests are clamped.
inline constexpr int32_t kMaxPixelSize = 1024;

// The face's measures in font units.
struct DesignMetrics {
  int64_t unitsPerEm = 0;
  int64_t ascent = 0;   // Windows ascent, positive up
  int64_t descent = 0;  // Windows descent, positive down
  int64_t lineGap = 0;  // extra leading beyond the cell
  int64_t averageWidth = 0;
  int64_t maxWidth = 0;
  int64_t underlinePosition = 0;  // centre of the underline, negative below the baseline
  int64_t underlineThickness = 0;
  int64_t strikeoutPosition = 0;  // top of the strike-out stroke above the baseline
  int64_t strikeoutThickness = 0;
};

// Nothing when the face has no usable em size (not scalable).
bool ReadDesignMetrics(FT_Face face, DesignMetrics& metrics);

// Horizontal and vertical pixels per em.
struct PixelSize {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// The pixel size for the logical font's height and width (see LogFont), each within
// 1 .. kMaxPixelSize.
PixelSize ResolvePixelSize(const DesignMetrics& design, int32_t logicalHeight,
                           int32_t logicalWidth);

// The measures at a pixel size, in pixels. Decoration offsets count rows from the
// baseline: the underline's top row lies `underlineOffset` rows below it, the strike-out's
// top row `strikeoutOffset` rows above it.
struct ScaledMetrics {
  int32_t ascent = 0;
  int32_t descent = 0;
  int32_t internalLeading = 0;
  int32_t externalLeading = 0;
  int32_t averageWidth = 0;
  int32_t maxWidth = 0;
  int32_t underlineOffset = 0;
  int32_t underlineThickness = 0;
  int32_t strikeoutOffset = 0;
  int32_t strikeoutThickness = 0;

  int32_t height() const { return ascent + descent; }
};

ScaledMetrics ScaleMetrics(const DesignMetrics& design, PixelSize size);

}  // namespace wayband::platform::text
