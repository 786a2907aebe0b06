// The whole refresh of a control: a 250 x 700 Wayband in the styled look with ten panels
// (six large bars, the rest in the toolbar), an icon on every bar, a selection and the
// mouse over a bar, beside memset and memcpy of its frame (the memory floor).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench_ratios.h"
#include "core/core_access.h"
#include "headless/headless_host.h"
#include "imaging/icon_bytes.h"
#include "imaging/icon_sizes.h"
#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"
#include "platform/event_loop.h"
#include "render/draw/drawing_flags.h"
#include "wayband/wayband_control.h"

namespace wayband::bench {
namespace {

// "I3", "Panel 3": appended, since a literal joined to a temporary string makes GCC 12
// warn -Wrestrict at -O3 (GCC PR 105651).
std::string Numbered(const char* prefix, int number) {
  std::string text(prefix);
  text += std::to_string(number);
  return text;
}

constexpr int kWidth = 250;
constexpr int kHeight = 700;
constexpr int kFrameBytes = kWidth * kHeight * 4;
constexpr int kPanels = 10;
constexpr int kLargeBars = 6;
constexpr int kHoveredBar = 3;
constexpr double kTwipsPerPixel = 15.0;

// A 32-bit icon image (bottom-up rows, straight alpha): a disc in a colour of the panel.
imaging::ByteArray3 DiscImage(int size, int panel) {
  imaging::ByteArray3 bytes(4, size, size);
  const double centre = size / 2.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double distance = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
      const double coverage = std::clamp(centre - 1.0 - distance + 0.5, 0.0, 1.0);
      bytes.At(0, x, y) = static_cast<uint8_t>(40 + 20 * panel);
      bytes.At(1, x, y) = static_cast<uint8_t>(200 - 15 * panel);
      bytes.At(2, x, y) = static_cast<uint8_t>(x * 255 / size);
      bytes.At(3, x, y) = static_cast<uint8_t>(std::lround(coverage * 255));
    }
  }
  return bytes;
}

// The control, set up once: the benchmark repeats its refresh.
class FrameScene {
 public:
  FrameScene() : loop_(std::make_unique<platform::ManualClock>()), host_(Settings()) {
    platform::SetCurrentDesktop(platform::DefaultDesktopState());
    platform::RecordOsFlags();
    render::ResetDrawingFlags();
    const host::WindowHandle form = host_.CreateForm("Form1", {0, 0, 800, 900});
    site_ =
        host_.AddSite(form, "Wayband1", 0, 0, kWidth * kTwipsPerPixel, kHeight * kTwipsPerPixel);
    bar_ = std::make_unique<Wayband>(*site_);
    bar_->InitProperties();
    site_->Show();
    core::ControlCore& core = core::CoreAccess::Of(*bar_);
    for (int i = 1; i <= kPanels; ++i) {
      const std::string key = Numbered("I", i);
      imaging::CIconBytes icon;
      icon.SetKey(key);
      for (int pixels : {16, 24}) {
        icon.SetBytes(imaging::IconSizeIndex(pixels), imaging::kKind32Bit, DiscImage(pixels, i));
      }
      core.MutableState().Icons.Add(std::move(icon));
      bar_->WaybandPanels().Add(Numbered("P", i), {}, Numbered("Panel ", i), key);
    }
    bar_->SetBarsToShow(kLargeBars);
    bar_->WaybandPanels().Item(2)->SetSelected(true);
    core.MutableState().HoverIndex = kHoveredBar;
  }

  void Refresh() { core::CoreAccess::Of(*bar_).Refresh(); }
  // The screen point `dy` pixels below the top of large bar k, `dx` from its left.
  platform::Point OnBar(int32_t k, int32_t dx = 40, int32_t dy = 10) {
    const platform::Rect control = host_.Windows().GetWindowRect(site_->hWnd());
    const platform::Rect& r = core::CoreAccess::Of(*bar_).State().panels.At(k)->rcItem;
    return {control.left + r.left + dx, control.top + r.top + dy};
  }
  headless::HeadlessHost& Host() { return host_; }
  int32_t& HoverIndex() { return core::CoreAccess::Of(*bar_).MutableState().HoverIndex; }
  int32_t LargeBars() const { return core::CoreAccess::Of(*bar_).State().BarsToShow; }

 private:
  static headless::HostSettings Settings() {
    headless::HostSettings settings;
    settings.ambientFontName = "Tahoma";
    settings.ambientFontSize = 8.0;
    settings.recordFramePixels = false;  // the host's record would copy every frame
    return settings;
  }

  platform::EventLoop loop_;
  headless::HeadlessHost host_;
  headless::HeadlessSite* site_ = nullptr;
  std::unique_ptr<Wayband> bar_;
};

void BM_FrameRefresh(benchmark::State& state) {
  FrameScene scene;
  if (scene.LargeBars() != kLargeBars) state.SkipWithError("the bars did not fit");
  for (auto _ : state) {
    scene.Refresh();
    benchmark::ClobberMemory();
  }
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
            20.0});
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
  return true;
}();

}  // namespace
}  // namespace wayband::bench
