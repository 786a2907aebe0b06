#include "platform/text/glyph_cache.h"

#include <utility>

namespace wayband::platform::text {
namespace {

GlyphCacheStatistics& Counters() {
  static GlyphCacheStatistics counters;
  return counters;
}

}  // namespace

GlyphCacheStatistics GlyphCacheCounters() {
  return Counters();
}

const GlyphImage& GlyphCache::Get(uint32_t glyph, const Renderer& render) {
  if (auto found = images_.find(glyph); found != images_.end()) {
    ++Counters().hits;
    return found->second;
  }
  ++Counters().misses;
  if (images_.size() >= kMaxCachedGlyphs) images_.clear();
  return images_.emplace(glyph, render(glyph)).first->second;
}

}  // namespace wayband::platform::text
