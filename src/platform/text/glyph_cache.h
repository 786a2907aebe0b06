// The rendered glyphs of one face at one size and style. A caption's glyphs are rendered
// on its first paint and copied from here on every later one.
#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>

#include "platform/text/glyph_image.h"

namespace wayband::platform::text {

// Most glyphs one cache keeps; a full cache starts over.
inline constexpr size_t kMaxCachedGlyphs = 4096;

// Process-wide counts of glyph look-ups, for measuring the cache.
struct GlyphCacheStatistics {
  uint64_t hits = 0;
  uint64_t misses = 0;
};
GlyphCacheStatistics GlyphCacheCounters();

class GlyphCache {
 public:
  using Renderer = std::function<GlyphImage(uint32_t glyph)>;

  // The cached image of `glyph`, rendered with `render` on a miss. The reference stays
  // valid until the next call.
  const GlyphImage& Get(uint32_t glyph, const Renderer& render);

  size_t size() const { return images_.size(); }

 private:
  std::unordered_map<uint32_t, GlyphImage> images_;
};

}  // namespace wayband::platform::text
