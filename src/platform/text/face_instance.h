// One font file opened at one pixel size and glyph style: its FreeType face, the HarfBuzz
// font shaping with it, and the cache of its rendered glyphs.
#pragma once

#include <cstdint>
#include <memory>

#include <hb.h>

#include "platform/text/font_catalog.h"
#include "platform/text/font_metrics.h"
#include "platform/text/glyph_cache.h"
#include "platform/text/glyph_raster.h"

namespace wayband::platform::text {

class FaceInstance {
 public:
  // Opens the source's file unsized; null when FreeType cannot read it as a scalable face.
  static std::unique_ptr<FaceInstance> Open(const FaceSource& source, GlyphMode mode);

  const DesignMetrics& design() const { return design_; }

  // Sizes the face; called once, before shaping or rendering. False when FreeType refuses.
  bool SetPixelSize(PixelSize size);
  PixelSize pixelSize() const { return size_; }

  // Whether the face maps the character to a glyph of its own.
  bool HasGlyph(char32_t codePoint) const;
  hb_font_t* shapingFont() const { return shaping_; }
  // Pixels synthetic bold adds to the advance of every glyph that advances.
  int32_t extraAdvance() const { return extraAdvance_; }

  // The glyph's coverage, rendered on first use and cached.
  const GlyphImage& Glyph(uint32_t glyph);

  FaceInstance(const FaceInstance&) = delete;
  FaceInstance& operator=(const FaceInstance&) = delete;
  ~FaceInstance();

 private:
  FaceInstance(FT_Face face, GlyphStyle style, bool growAdvances);

  FT_Face face_;
  hb_font_t* shaping_ = nullptr;
  GlyphStyle style_;
  bool growAdvances_;
  DesignMetrics design_;
  PixelSize size_;
  int32_t extraAdvance_ = 0;
  GlyphCache glyphs_;
};

}  // namespace wayband::platform::text
