#include "platform/text/text_layout.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>

#include "platform/text/bidi_order.h"

namespace wayband::platform::text {
namespace {

constexpr char32_t kZeroWidthSpace = 0x200B;
constexpr char32_t kZeroWidthJoiner = 0x200D;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kLastC1Control = 0x9F;
constexpr char32_t kFirstPrintable = 0x20;

std::atomic<uint64_t> linesShaped{0};

using BufferPtr = std::unique_ptr<hb_buffer_t, decltype(&hb_buffer_destroy)>;

struct Run {
  size_t start = 0;
  size_t length = 0;
  FaceInstance* face = nullptr;
  hb_script_t script = HB_SCRIPT_COMMON;
  uint8_t level = 0;
};

bool IsVariationSelector(char32_t c) {
  return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

bool IsMark(char32_t c) {
  switch (hb_unicode_general_category(hb_unicode_funcs_get_default(), c)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
      return true;
    default:
      return false;
  }
}

// The end of the cluster starting at `start`: marks, variation selectors and joined
// characters stay with their base.
size_t ClusterEnd(std::u32string_view text, size_t start) {
  size_t end = start + 1;
  while (end < text.size()) {
    if (IsMark(text[end]) || IsVariationSelector(text[end])) {
      ++end;
    } else if (text[end] == kZeroWidthJoiner) {
      end = std::min(text.size(), end + 2);
    } else {
      break;
    }
  }
  return end;
}

// The face of every character, chosen per cluster. Invisible characters keep the face
// before them so that they never split a run.
std::vector<FaceInstance*> ChooseFaces(RealizedFont& font, std::u32string_view text) {
  std::vector<FaceInstance*> faces(text.size(), nullptr);
  FaceInstance* previous = &font.FaceFor({});
  for (size_t start = 0; start < text.size();) {
    const size_t end = ClusterEnd(text, start);
    FaceInstance* face =
        text[start] == kZeroWidthSpace ? previous : &font.FaceFor(text.substr(start, end - start));
    std::fill(faces.begin() + static_cast<std::ptrdiff_t>(start),
              faces.begin() + static_cast<std::ptrdiff_t>(end), face);
    previous = face;
    start = end;
  }
  return faces;
}

// The script of every character; common and inherited characters take the script of the
// text around them (the one before, or the first one after at the start).
std::vector<hb_script_t> ResolveScripts(std::u32string_view text) {
  std::vector<hb_script_t> scripts(text.size(), HB_SCRIPT_COMMON);
  hb_script_t current = HB_SCRIPT_COMMON;
  size_t firstResolved = text.size();
  for (size_t i = 0; i < text.size(); ++i) {
    const hb_script_t script = hb_unicode_script(hb_unicode_funcs_get_default(), text[i]);
    if (script != HB_SCRIPT_COMMON && script != HB_SCRIPT_INHERITED &&
        script != HB_SCRIPT_UNKNOWN) {
      current = script;
      firstResolved = std::min(firstResolved, i);
    }
    scripts[i] = current;
  }
  if (firstResolved < text.size()) {
    std::fill_n(scripts.begin(), firstResolved, scripts[firstResolved]);
  }
  return scripts;
}

std::vector<Run> SplitRuns(std::u32string_view text, const std::vector<FaceInstance*>& faces,
                           const std::vector<hb_script_t>& scripts,
                           const std::vector<uint8_t>& levels) {
  std::vector<Run> runs;
  for (size_t i = 0; i < text.size(); ++i) {
    if (runs.empty() || runs.back().face != faces[i] || runs.back().script != scripts[i] ||
        runs.back().level != levels[i]) {
      runs.push_back(Run{i, 0, faces[i], scripts[i], levels[i]});
    }
    ++runs.back().length;
  }
  return runs;
}

// Rounds a 26.6 position to whole pixels, halves up.
int32_t RoundPosition(hb_position_t value) {
  return (value + 32) >> 6;
}

// Shapes one run (the whole line given as context, for joining scripts) and appends its
// glyphs, in visual order, at the pen position.
void ShapeRun(const Run& run, std::u32string_view text, hb_buffer_t* buffer, LineLayout& layout) {
  hb_buffer_clear_contents(buffer);
  hb_buffer_add_utf32(buffer, reinterpret_cast<const uint32_t*>(text.data()),
                      static_cast<int>(text.size()), static_cast<unsigned>(run.start),
                      static_cast<int>(run.length));
  hb_buffer_set_direction(buffer, run.level % 2 == 1 ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
  hb_buffer_set_script(buffer, run.script);
  hb_buffer_set_language(buffer, hb_language_get_default());
  hb_shape(run.face->shapingFont(), buffer, nullptr, 0);
  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
  for (unsigned i = 0; i < count; ++i) {
    int32_t advance = RoundPosition(positions[i].x_advance);
    if (advance != 0) advance += run.face->extraAdvance();
    layout.glyphs.push_back(PlacedGlyph{
        run.face, infos[i].codepoint, layout.width + RoundPosition(positions[i].x_offset),
        -RoundPosition(positions[i].y_offset), advance, infos[i].cluster});
    layout.width += advance;
    layout.clusterAdvance[infos[i].cluster] += advance;
    layout.clusterStart[infos[i].cluster] = true;
  }
}

}  // namespace

uint64_t LinesShaped() {
  return linesShaped.load(std::memory_order_relaxed);
}

bool IsControlCharacter(char32_t c) {
  return c < kFirstPrintable || (c >= kDelete && c <= kLastC1Control);
}

std::pair<int32_t, int32_t> LineLayout::ClusterExtent(uint32_t character) const {
  int32_t left = 0;
  int32_t right = 0;
  bool found = false;
  for (const PlacedGlyph& g : glyphs) {
    if (g.cluster != character) continue;
    const int32_t start = g.x;
    const int32_t end = g.x + std::max(g.advance, 0);
    left = found ? std::min(left, start) : start;
    right = found ? std::max(right, end) : end;
    found = true;
  }
  return {left, right};
}

LineLayout LayoutLine(RealizedFont& font, std::u32string_view line, bool rightToLeft) {
  linesShaped.fetch_add(1, std::memory_order_relaxed);
  LineLayout layout;
  std::u32string text(line);
  std::ranges::replace_if(text, IsControlCharacter, kZeroWidthSpace);
  layout.clusterAdvance.assign(text.size(), 0);
  layout.clusterStart.assign(text.size(), false);
  if (text.empty()) return layout;
  const std::vector<Run> runs = SplitRuns(text, ChooseFaces(font, text), ResolveScripts(text),
                                          EmbeddingLevels(text, rightToLeft));
  std::vector<uint8_t> runLevels(runs.size());
  std::ranges::transform(runs, runLevels.begin(), [](const Run& r) { return r.level; });
  BufferPtr buffer(hb_buffer_create(), &hb_buffer_destroy);
  for (const size_t index : VisualRunOrder(runLevels)) {
    ShapeRun(runs[index], text, buffer.get(), layout);
  }
  return layout;
}

}  // namespace wayband::platform::text
