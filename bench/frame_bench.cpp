// The whole refresh of a control: a 250 x 700 Wayband in the styled look with ten panels
// (six large bars, the rest in the toolbar), an icon on every bar, a selection and the
// mouse over a bar, beside memset and memcpy of its frame (the memory floor).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "allocation_count.h"
#include "bench_ratios.h"
#include "frame_scene.h"
#include "platform/text/glyph_cache.h"
#include "platform/text/shaping_count.h"

namespace wayband::bench {
namespace {

// Besides the time, per refresh after the first: the heap allocations, the lines of text
// shaped and the glyphs rendered (all 0 once the caches hold the unchanged frame).
void BM_FrameRefresh(benchmark::State& state) {
  FrameScene scene;
  if (scene.LargeBars() != kLargeBars) state.SkipWithError("the bars did not fit");
  scene.Refresh();
  const uint64_t allocations = AllocationCount();
  const uint64_t shapings = platform::text::LinesShaped();
  const uint64_t renderings = platform::text::GlyphCacheCounters().misses;
  for (auto _ : state) {
    scene.Refresh();
    benchmark::ClobberMemory();
  }
  const auto perRefresh = [&](uint64_t count) {
    return benchmark::Counter(static_cast<double>(count) / static_cast<double>(state.iterations()));
  };
  state.counters["allocations"] = perRefresh(AllocationCount() - allocations);
  state.counters["shapings"] = perRefresh(platform::text::LinesShaped() - shapings);
  state.counters["glyph_renderings"] =
      perRefresh(platform::text::GlyphCacheCounters().misses - renderings);
}
BENCHMARK(BM_FrameRefresh);

void BM_FrameMemset(benchmark::State& state) {
  std::vector<uint8_t> frame(kFrameBytes);
  for (auto _ : state) {
    std::memset(frame.data(), 0x5A, frame.size());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameMemset);

void BM_FrameMemcpy(benchmark::State& state) {
  std::vector<uint8_t> from(kFrameBytes, 0x5A);
  std::vector<uint8_t> to(kFrameBytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameMemcpy);

// A refresh after the hover moved to another bar: the hot bar is painted and the bar that
// was hot returns to its normal look. This is the refresh a move onto another bar runs.
void BM_FrameRefreshNewHover(benchmark::State& state) {
  FrameScene scene;
  int32_t& hover = scene.HoverIndex();
  for (auto _ : state) {
    hover = hover == kHoveredBar ? kHoveredBar + 1 : kHoveredBar;
    scene.Refresh();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameRefreshNewHover);

// The mouse over the bars: a move onto another bar (a new hover, one refresh), a move
// within the hovered bar (no refresh), and a click (press and release, two refreshes and
// the panel placement).
void BM_MouseMoveNewHover(benchmark::State& state) {
  FrameScene scene;
  const platform::Point bars[] = {scene.OnBar(kHoveredBar), scene.OnBar(kHoveredBar + 1)};
  size_t i = 0;
  for (auto _ : state) {
    scene.Host().MouseMove(bars[i ^= 1]);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MouseMoveNewHover);

void BM_MouseMoveSameHover(benchmark::State& state) {
  FrameScene scene;
  const platform::Point points[] = {scene.OnBar(kHoveredBar, 40), scene.OnBar(kHoveredBar, 60)};
  scene.Host().MouseMove(points[0]);
  size_t i = 0;
  for (auto _ : state) {
    scene.Host().MouseMove(points[i ^= 1]);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MouseMoveSameHover);

void BM_MouseClick(benchmark::State& state) {
  FrameScene scene;
  const platform::Point point = scene.OnBar(kHoveredBar);
  for (auto _ : state) {
    scene.Host().MouseDown(point, host::kLeftButton);
    scene.Host().MouseUp(point, host::kLeftButton);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MouseClick);

const bool kFrameRatios = [] {
  AddRatio({"refresh 250x700, 10 panels / memcpy of the frame", "BM_FrameRefresh", "BM_FrameMemcpy",
            5.0});
  AddRatio(
      {"refresh 250x700, 10 panels / memset of the frame", "BM_FrameRefresh", "BM_FrameMemset"});
  AddRatio({"mouse move to another bar / memcpy of the frame", "BM_MouseMoveNewHover",
            "BM_FrameMemcpy"});
  AddRatio({"mouse move within the hovered bar / memcpy of the frame", "BM_MouseMoveSameHover",
            "BM_FrameMemcpy"});
  AddRatio({"mouse click on a bar / memcpy of the frame", "BM_MouseClick", "BM_FrameMemcpy"});
  // A move runs one refresh and should cost no more than that refresh.
  AddRatio({"mouse move to another bar / refresh after a hover change", "BM_MouseMoveNewHover",
            "BM_FrameRefreshNewHover", 1.1});
  AddRatio(
      {"mouse move to another bar / steady refresh", "BM_MouseMoveNewHover", "BM_FrameRefresh"});
  AddFigure({"heap allocations per refresh after the first", "BM_FrameRefresh", "allocations"});
  AddFigure({"lines of text shaped per refresh", "BM_FrameRefresh", "shapings"});
  AddFigure({"glyphs rendered per refresh", "BM_FrameRefresh", "glyph_renderings"});
  return true;
}();

}  // namespace
}  // namespace wayband::bench
