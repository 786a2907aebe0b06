#include "platform/text/face_instance.h"

#include <algorithm>

#include <hb-ft.h>

#include "platform/text/freetype_library.h"

namespace wayband::platform::text {
namespace {

// Synthetic bold widens outlines by a 24th of the em; advances grow by as much, at least
// one pixel, as the platform's simulated bold does.
constexpr int32_t kEmboldenDivisor = 24;

// Symbol fonts (Marlett) carry only a symbol character map, which FreeType does not pick
// by itself; HarfBuzz then maps U+0020..U+00FF into it.
void SelectCharacterMap(FT_Face face) {
  if (face->charmap == nullptr) FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL);
}

}  // namespace

std::unique_ptr<FaceInstance> FaceInstance::Open(const FaceSource& source, GlyphMode mode) {
  FT_Library library = FreeTypeLibrary();
  if (library == nullptr) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Face(library, source.path.c_str(), source.index, &face) != 0) return nullptr;
  SelectCharacterMap(face);
  GlyphStyle style{mode, source.embolden || source.heavierOutlines, source.transform};
  std::unique_ptr<FaceInstance> instance(new FaceInstance(face, style, source.embolden));
  if (!ReadDesignMetrics(face, instance->design_)) return nullptr;
  return instance;
}

FaceInstance::FaceInstance(FT_Face face, GlyphStyle style, bool growAdvances)
    : face_(face), style_(style), growAdvances_(growAdvances) {}

FaceInstance::~FaceInstance() {
  if (shaping_ != nullptr) hb_font_destroy(shaping_);
  FT_Done_Face(face_);
}

bool FaceInstance::SetPixelSize(PixelSize size) {
  if (FT_Set_Pixel_Sizes(face_, static_cast<FT_UInt>(size.x), static_cast<FT_UInt>(size.y)) != 0) {
    return false;
  }
  size_ = size;
  if (shaping_ != nullptr) hb_font_destroy(shaping_);
  shaping_ = hb_ft_font_create_referenced(face_);
  hb_ft_font_set_load_flags(shaping_, GlyphLoadFlags(style_.mode));
  extraAdvance_ =
      growAdvances_ ? std::max(1, (size.y + kEmboldenDivisor / 2) / kEmboldenDivisor) : 0;
  return true;
}

bool FaceInstance::HasGlyph(char32_t codePoint) const {
  hb_codepoint_t glyph = 0;
  return shaping_ != nullptr && hb_font_get_nominal_glyph(shaping_, codePoint, &glyph) &&
         glyph != 0;
}

const GlyphImage& FaceInstance::Glyph(uint32_t glyph) {
  return glyphs_.Get(glyph, [this](uint32_t id) { return RasterizeGlyph(face_, id, style_); });
}

}  // namespace wayband::platform::text
