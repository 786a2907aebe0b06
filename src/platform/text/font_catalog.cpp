#include "platform/text/font_catalog.h"

#include <algorithm>

namespace wayband::platform::text {
namespace {

using PatternPtr = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;
using FontSetPtr = std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)>;

const FcChar8* AsFcString(const char* text) {
  return reinterpret_cast<const FcChar8*>(text);
}

PatternPtr MakeQuery(const FaceRequest& request) {
  PatternPtr query(FcPatternCreate(), &FcPatternDestroy);
  if (!query) return query;
  FcPatternAddString(query.get(), FC_FAMILY, AsFcString(request.family.c_str()));
  FcPatternAddString(query.get(), FC_FAMILY, AsFcString(kFallbackFamily));
  FcPatternAddInteger(query.get(), FC_WEIGHT, FcWeightFromOpenType(request.weight));
  FcPatternAddInteger(query.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(query.get(), FC_SCALABLE, FcTrue);
  return query;
}

bool IsUsableOutlineFont(const FcPattern* font) {
  FcBool outline = FcFalse;
  FcBool scalable = FcFalse;
  FcPatternGetBool(font, FC_OUTLINE, 0, &outline);
  FcPatternGetBool(font, FC_SCALABLE, 0, &scalable);
  return outline == FcTrue && scalable == FcTrue;
}

FaceSource SourceFrom(const FcPattern* font) {
  FaceSource source;
  FcChar8* file = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch && file != nullptr) {
    source.path = reinterpret_cast<const char*>(file);
  }
  FcPatternGetInteger(font, FC_INDEX, 0, &source.index);
  FcBool embolden = FcFalse;
  FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
  source.embolden = embolden == FcTrue;
  source.heavierOutlines = source.path == std::string(kWineFontFolder) + "/" + kLightBoldFile;
  FcMatrix* matrix = nullptr;
  if (FcPatternGetMatrix(font, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix != nullptr) {
    source.transform = {matrix->xx, matrix->xy, matrix->yx, matrix->yy};
  }
  FcCharSet* charset = nullptr;
  if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) == FcResultMatch && charset) {
    source.charset.reset(FcCharSetCopy(charset), &FcCharSetDestroy);
  }
  return source;
}

}  // namespace

bool FaceSource::Covers(char32_t codePoint) const {
  return charset && FcCharSetHasChar(charset.get(), codePoint) == FcTrue;
}

bool FaceSource::HasTransform() const {
  return transform != std::array<double, 4>{1.0, 0.0, 0.0, 1.0};
}

FontCatalog& FontCatalog::Instance() {
  static FontCatalog catalog;
  return catalog;
}

FontCatalog::FontCatalog() : config_(FcInitLoadConfigAndFonts()) {
  // A missing folder only means that Tahoma and Marlett fall back like any other family.
  if (config_ != nullptr) FcConfigAppFontAddDir(config_, AsFcString(kWineFontFolder));
}

FontCatalog::~FontCatalog() {
  if (config_ != nullptr) FcConfigDestroy(config_);
}

std::vector<FaceSource> FontCatalog::Resolve(const FaceRequest& request) const {
  std::vector<FaceSource> sources;
  if (config_ == nullptr) return sources;
  PatternPtr query = MakeQuery(request);
  if (!query) return sources;
  FcConfigSubstitute(config_, query.get(), FcMatchPattern);
  FcDefaultSubstitute(query.get());
  FcResult result = FcResultNoMatch;
  FontSetPtr sorted(FcFontSort(config_, query.get(), FcTrue, nullptr, &result), &FcFontSetDestroy);
  if (!sorted) return sources;
  for (int i = 0; i < sorted->nfont; ++i) {
    if (!IsUsableOutlineFont(sorted->fonts[i])) continue;
    PatternPtr prepared(FcFontRenderPrepare(config_, query.get(), sorted->fonts[i]),
                        &FcPatternDestroy);
    if (!prepared) continue;
    FaceSource source = SourceFrom(prepared.get());
    if (!source.path.empty()) sources.push_back(std::move(source));
  }
  return sources;
}

}  // namespace wayband::platform::text
