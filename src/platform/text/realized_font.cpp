#include "platform/text/realized_font.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "platform/text/freetype_library.h"
#include "platform/text/utf8_decode.h"

namespace wayband::platform::text {
namespace {

constexpr int32_t kMinWeight = 1;
constexpr int32_t kMaxWeight = 1000;
// Most characters whose face choice is remembered per realization.
constexpr size_t kMaxRememberedCharacters = 4096;

struct RealizationKey {
  std::string face;
  int32_t height;
  int32_t width;
  int32_t weight;
  bool italic;
  GlyphMode mode;

  friend auto operator<=>(const RealizationKey&, const RealizationKey&) = default;
};

int32_t EffectiveWeight(int32_t weight) {
  return weight == FW_DONTCARE ? FW_NORMAL : std::clamp(weight, kMinWeight, kMaxWeight);
}

RealizationKey KeyOf(const LogFont& lf) {
  return RealizationKey{FaceNameUtf8(lf), lf.lfHeight,
                        lf.lfWidth,       EffectiveWeight(lf.lfWeight),
                        lf.lfItalic != 0, GlyphModeForQuality(lf.lfQuality)};
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return out;
}

struct CacheEntry {
  std::shared_ptr<RealizedFont> font;
  uint64_t lastUse = 0;
};

void EvictLeastRecentlyUsed(std::map<RealizationKey, CacheEntry>& cache) {
  const auto oldest = std::ranges::min_element(
      cache, [](const auto& a, const auto& b) { return a.second.lastUse < b.second.lastUse; });
  if (oldest != cache.end()) cache.erase(oldest);
}

}  // namespace

std::unique_lock<std::recursive_mutex> LockTextEngine() {
  static std::recursive_mutex mutex;
  return std::unique_lock(mutex);
}

std::string FaceNameUtf8(const LogFont& logFont) {
  const std::string_view name = FaceName(logFont);
  if (name.empty()) return kDefaultFaceName;
  return IsUtf8(name) ? std::string(name) : Latin1ToUtf8(name);
}

GlyphMode GlyphModeForQuality(uint8_t quality) {
  switch (quality) {
    case NONANTIALIASED_QUALITY:
      return GlyphMode::kMonochrome;
    case CLEARTYPE_QUALITY:
    case CLEARTYPE_NATURAL_QUALITY:
      return GlyphMode::kSubpixel;
    default:
      return GlyphMode::kGrey;
  }
}

std::shared_ptr<RealizedFont> RealizedFont::For(const LogFont& logFont) {
  // The catalog and FreeType start before the cache so that they outlive its faces.
  FontCatalog::Instance();
  FreeTypeLibrary();
  static std::map<RealizationKey, CacheEntry> cache;
  static uint64_t clock = 0;
  const RealizationKey key = KeyOf(logFont);
  if (auto found = cache.find(key); found != cache.end()) {
    found->second.lastUse = ++clock;
    return found->second.font;
  }
  std::shared_ptr<RealizedFont> font(new RealizedFont());
  if (!font->Initialize(logFont)) return nullptr;
  if (cache.size() >= kMaxRealizedFonts) EvictLeastRecentlyUsed(cache);
  cache.emplace(key, CacheEntry{font, ++clock});
  return font;
}

bool RealizedFont::Initialize(const LogFont& logFont) {
  mode_ = GlyphModeForQuality(logFont.lfQuality);
  sources_ = FontCatalog::Instance().Resolve(
      FaceRequest{FaceNameUtf8(logFont), EffectiveWeight(logFont.lfWeight), logFont.lfItalic != 0});
  faces_.resize(sources_.size());
  unusable_.assign(sources_.size(), false);
  for (primaryIndex_ = 0; primaryIndex_ < sources_.size(); ++primaryIndex_) {
    auto face = FaceInstance::Open(sources_[primaryIndex_], mode_);
    if (!face) continue;
    size_ = ResolvePixelSize(face->design(), logFont.lfHeight, logFont.lfWidth);
    if (!face->SetPixelSize(size_)) continue;
    metrics_ = ScaleMetrics(face->design(), size_);
    faces_[primaryIndex_] = std::move(face);
    return true;
  }
  return false;
}

FaceInstance* RealizedFont::FaceAt(size_t index) {
  if (unusable_[index]) return nullptr;
  if (!faces_[index]) {
    auto face = FaceInstance::Open(sources_[index], mode_);
    if (!face || !face->SetPixelSize(size_)) {
      unusable_[index] = true;
      return nullptr;
    }
    faces_[index] = std::move(face);
  }
  return faces_[index].get();
}

bool RealizedFont::Covers(size_t index, char32_t codePoint) {
  // The first face is asked directly; the others by their configured coverage first, so
  // that files are opened only when they will draw something.
  if (index != primaryIndex_ && !sources_[index].Covers(codePoint)) return false;
  FaceInstance* face = FaceAt(index);
  return face != nullptr && face->HasGlyph(codePoint);
}

size_t RealizedFont::FirstCovering(std::u32string_view characters) {
  for (size_t i = primaryIndex_; i < sources_.size(); ++i) {
    if (std::ranges::all_of(characters, [&](char32_t c) { return Covers(i, c); })) return i;
  }
  return sources_.size();
}

FaceInstance& RealizedFont::FaceFor(std::u32string_view cluster) {
  FaceInstance& primary = *faces_[primaryIndex_];
  if (cluster.empty()) return primary;
  const char32_t base = cluster.front();
  if (cluster.size() > 1) {
    if (const size_t all = FirstCovering(cluster); all < sources_.size()) return *FaceAt(all);
  }
  auto remembered = faceOfCharacter_.find(base);
  if (remembered == faceOfCharacter_.end()) {
    if (faceOfCharacter_.size() >= kMaxRememberedCharacters) faceOfCharacter_.clear();
    remembered = faceOfCharacter_.emplace(base, FirstCovering(cluster.substr(0, 1))).first;
  }
  return remembered->second < sources_.size() ? *FaceAt(remembered->second) : primary;
}

}  // namespace wayband::platform::text
