// A logical font made ready to draw: its faces (the matched file first, the fallback files
// after it, opened as characters need them), its pixel size and its measures. Realizations
// are cached process-wide by the record's glyph-shaping fields (face name, height, width,
// weight, italic, quality), so every font object with the same fields shares one set of
// faces and glyph caches.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/text/face_instance.h"
#include "platform/text/font_catalog.h"
#include "platform/text/font_metrics.h"
#include "platform/text/logical_font.h"

namespace wayband::platform::text {

// Most realizations kept; the least recently used goes first.
inline constexpr size_t kMaxRealizedFonts = 32;
// The family an empty face name stands for.
inline constexpr const char* kDefaultFaceName = "Tahoma";

// Every text call holds this lock while it realizes, shapes or draws: FreeType faces and
// the caches are not safe to share between threads.
std::unique_lock<std::recursive_mutex> LockTextEngine();

// The face name of the record as UTF-8 (see LogFont), kDefaultFaceName when empty.
std::string FaceNameUtf8(const LogFont& logFont);
GlyphMode GlyphModeForQuality(uint8_t quality);

class RealizedFont {
 public:
  // The shared realization of the record; null when no face at all can be opened.
  static std::shared_ptr<RealizedFont> For(const LogFont& logFont);

  const ScaledMetrics& metrics() const { return metrics_; }
  PixelSize pixelSize() const { return size_; }
  // The path of the matched file (the first face).
  const std::string& primaryPath() const { return sources_[primaryIndex_].path; }

  // The face that draws a cluster (a base character and its marks): the first face that
  // maps all of its characters, else the first that maps its base, else the first face,
  // which draws its missing-glyph box.
  FaceInstance& FaceFor(std::u32string_view cluster);

  RealizedFont(const RealizedFont&) = delete;
  RealizedFont& operator=(const RealizedFont&) = delete;

 private:
  RealizedFont() = default;
  bool Initialize(const LogFont& logFont);
  FaceInstance* FaceAt(size_t index);
  bool Covers(size_t index, char32_t codePoint);
  size_t FirstCovering(std::u32string_view characters);

  std::vector<FaceSource> sources_;
  std::vector<std::unique_ptr<FaceInstance>> faces_;  // parallel to sources_, opened lazily
  std::vector<bool> unusable_;
  size_t primaryIndex_ = 0;
  GlyphMode mode_ = GlyphMode::kGrey;
  PixelSize size_;
  ScaledMetrics metrics_;
  std::unordered_map<char32_t, size_t> faceOfCharacter_;
};

}  // namespace wayband::platform::text
