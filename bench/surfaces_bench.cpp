// Raster surface benchmarks: compositing icons onto a frame, the icon pixel operations and
// the vertical gradient of the bar backgrounds, each beside pixman doing the same work
// where it can and beside plain memory traffic over the same bytes (the floor).
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "bench_ratios.h"
#include "imaging/dib32.h"
#include "platform/drawing_context.h"

namespace wayband::bench {
namespace {

using imaging::CDib32;

// The control's frame surface: 220 x 600 (a bar of the usual width, a tall window).
constexpr int kFrameWidth = 220;
constexpr int kFrameHeight = 600;
constexpr int kFrameStride = kFrameWidth * 4;
constexpr int kIconX = 98;  // where the small icon lands on the frame
constexpr int kIconY = 288;

// An icon-like picture: an opaque disc with an antialiased rim on a transparent
// background, colours premultiplied (as AlphaPaint with per-pixel alpha expects). Words
// are blue | green << 8 | red << 16 | alpha << 24, the byte order of both libraries.
uint32_t IconPixel(int x, int y, int size) {
  const double centre = size / 2.0;
  const double distance = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
  const double coverage = std::clamp(centre - 1.0 - distance + 0.5, 0.0, 1.0);
  const auto alpha = static_cast<uint32_t>(std::lround(coverage * 255));
  const uint32_t red = (x * 255 / size) * alpha / 255;
  const uint32_t green = (y * 255 / size) * alpha / 255;
  const uint32_t blue = 160 * alpha / 255;
  return blue | (green << 8) | (red << 16) | (alpha << 24);
}

CDib32 IconSurface(int size) {
  CDib32 icon;
  icon.Create(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x)
      icon.SetPixelAt(x, y, IconPixel(x, y, size));
  }
  return icon;
}

CDib32 FrameSurface() {
  CDib32 frame;
  frame.Create(kFrameWidth, kFrameHeight);
  frame.Clear(platform::RGB(214, 223, 247));
  return frame;
}

// pixman images over memory the benchmark owns.
struct PixmanImage {
  std::vector<uint32_t> words;
  pixman_image_t* image = nullptr;

  PixmanImage(int width, int height, uint32_t fill) : words(size_t(width) * height, fill) {
    image = pixman_image_create_bits(PIXMAN_a8r8g8b8, width, height, words.data(), width * 4);
  }
  ~PixmanImage() { pixman_image_unref(image); }
  PixmanImage(const PixmanImage&) = delete;
  PixmanImage& operator=(const PixmanImage&) = delete;
};

std::unique_ptr<PixmanImage> PixmanIcon(int size) {
  auto icon = std::make_unique<PixmanImage>(size, size, 0);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x)
      icon->words[size_t(y) * size + x] = IconPixel(x, y, size);
  }
  return icon;
}

// Where an icon of `size` is composited on the frame, and the block it covers there.
struct Placement {
  int x, y, width, height;
};
Placement PlaceIcon(int size) {
  if (size <= 48) return {kIconX, kIconY, size, size};
  return {0, 0, std::min(size, kFrameWidth), std::min(size, kFrameHeight)};
}

// ---- compositing ----

void BM_AlphaPaint(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const Placement at = PlaceIcon(size);
  CDib32 frame = FrameSurface();
  CDib32 icon = IconSurface(size);
  for (auto _ : state) {
    icon.AlphaPaint(frame.hDC(), at.x, at.y, size, size, 0, 0, size, size, 255, true);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * at.width * at.height);
}
BENCHMARK(BM_AlphaPaint)->Arg(24)->Arg(256);

void BM_PixmanOver(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const Placement at = PlaceIcon(size);
  PixmanImage frame(kFrameWidth, kFrameHeight, 0xFFF7DFD6);
  auto icon = PixmanIcon(size);
  for (auto _ : state) {
    pixman_image_composite32(PIXMAN_OP_OVER, icon->image, nullptr, frame.image, 0, 0, 0, 0, at.x,
                             at.y, size, size);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * at.width * at.height);
}
BENCHMARK(BM_PixmanOver)->Arg(24)->Arg(256);

// The floor of compositing: copying the covered block row by row.
void BM_MemcpyBlock(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const Placement at = PlaceIcon(size);
  std::vector<uint8_t> from(size_t(kFrameStride) * kFrameHeight, 1);
  std::vector<uint8_t> to(from.size(), 2);
  for (auto _ : state) {
    for (int row = at.y; row < at.y + at.height; ++row) {
      const size_t offset = size_t(row) * kFrameStride + size_t(at.x) * 4;
      std::memcpy(to.data() + offset, from.data() + offset, size_t(at.width) * 4);
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyBlock)->Arg(24)->Arg(256);

// ---- icon pixel operations ----

void BM_PremultiplyAlpha(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  CDib32 icon = IconSurface(size);
  for (auto _ : state) {
    icon.PremultiplyAlpha();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * size * size);
}
BENCHMARK(BM_PremultiplyAlpha)->Arg(48)->Arg(256);

void BM_ResampleToWidth(benchmark::State& state) {
  const int from = static_cast<int>(state.range(0));
  const int to = static_cast<int>(state.range(1));
  CDib32 icon = IconSurface(from);
  for (auto _ : state) {
    CDib32 resampled = icon.ResampleToWidth(to);
    benchmark::DoNotOptimize(resampled.Bits().data());
  }
  state.SetItemsProcessed(state.iterations() * from * from);
}
BENCHMARK(BM_ResampleToWidth)->Args({48, 16})->Args({32, 24});

// The floor of a pass over a square picture: copying its bytes.
void BM_MemcpySquare(benchmark::State& state) {
  const size_t bytes = size_t(state.range(0)) * size_t(state.range(0)) * 4;
  std::vector<uint8_t> from(bytes, 1);
  std::vector<uint8_t> to(bytes, 2);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpySquare)->Arg(32)->Arg(48)->Arg(256);

// ---- gradients and the frame ----

constexpr uint16_t Channel16(uint8_t value) {
  return static_cast<uint16_t>(value << 8);
}

void BM_GradientFill(benchmark::State& state) {
  CDib32 frame = FrameSurface();
  const platform::TriVertex vertices[2] = {
      {0, 0, Channel16(227), Channel16(239), Channel16(255), 0},
      {kFrameWidth, kFrameHeight, Channel16(135), Channel16(173), Channel16(228), 0}};
  const platform::GradientRect rect{0, 1};
  for (auto _ : state) {
    platform::GradientFill(*frame.hDC(), vertices, {&rect, 1},
                           platform::GradientMode::GRADIENT_FILL_RECT_V);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kFrameWidth * kFrameHeight);
}
BENCHMARK(BM_GradientFill);

void BM_PixmanLinearGradient(benchmark::State& state) {
  PixmanImage frame(kFrameWidth, kFrameHeight, 0);
  const pixman_point_fixed_t top{0, 0};
  const pixman_point_fixed_t bottom{0, pixman_int_to_fixed(kFrameHeight)};
  const pixman_gradient_stop_t stops[2] = {
      {pixman_int_to_fixed(0), {Channel16(227), Channel16(239), Channel16(255), 0xFFFF}},
      {pixman_int_to_fixed(1), {Channel16(135), Channel16(173), Channel16(228), 0xFFFF}}};
  pixman_image_t* gradient = pixman_image_create_linear_gradient(&top, &bottom, stops, 2);
  for (auto _ : state) {
    pixman_image_composite32(PIXMAN_OP_SRC, gradient, nullptr, frame.image, 0, 0, 0, 0, 0, 0,
                             kFrameWidth, kFrameHeight);
    benchmark::ClobberMemory();
  }
  pixman_image_unref(gradient);
  state.SetItemsProcessed(state.iterations() * kFrameWidth * kFrameHeight);
}
BENCHMARK(BM_PixmanLinearGradient);

void BM_MemsetFrame(benchmark::State& state) {
  std::vector<uint8_t> frame(size_t(kFrameStride) * kFrameHeight);
  for (auto _ : state) {
    std::memset(frame.data(), 0x5A, frame.size());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemsetFrame);

void BM_MemcpyFrame(benchmark::State& state) {
  std::vector<uint8_t> from(size_t(kFrameStride) * kFrameHeight, 1);
  std::vector<uint8_t> to(from.size(), 2);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyFrame);

const bool kRatiosRegistered = [] {
  AddRatio({"AlphaPaint 24x24 / pixman OVER", "BM_AlphaPaint/24", "BM_PixmanOver/24", 2.0});
  AddRatio({"AlphaPaint 256x256 (220x256 on frame) / pixman OVER", "BM_AlphaPaint/256",
            "BM_PixmanOver/256", 2.0});
  AddRatio({"AlphaPaint 24x24 / memcpy of the block", "BM_AlphaPaint/24", "BM_MemcpyBlock/24"});
  AddRatio({"AlphaPaint 256x256 / memcpy of the block", "BM_AlphaPaint/256", "BM_MemcpyBlock/256"});
  AddRatio(
      {"pixman OVER 256x256 / memcpy of the block", "BM_PixmanOver/256", "BM_MemcpyBlock/256"});
  AddRatio(
      {"PremultiplyAlpha 48x48 / memcpy 48x48", "BM_PremultiplyAlpha/48", "BM_MemcpySquare/48"});
  AddRatio({"PremultiplyAlpha 256x256 / memcpy 256x256", "BM_PremultiplyAlpha/256",
            "BM_MemcpySquare/256"});
  AddRatio(
      {"ResampleToWidth 48->16 / memcpy 48x48", "BM_ResampleToWidth/48/16", "BM_MemcpySquare/48"});
  AddRatio(
      {"ResampleToWidth 32->24 / memcpy 32x32", "BM_ResampleToWidth/32/24", "BM_MemcpySquare/32"});
  AddRatio(
      {"GradientFill 220x600 / memset of the frame", "BM_GradientFill", "BM_MemsetFrame", 3.0});
  AddRatio({"GradientFill 220x600 / pixman linear gradient", "BM_GradientFill",
            "BM_PixmanLinearGradient"});
  AddRatio({"pixman linear gradient / memset of the frame", "BM_PixmanLinearGradient",
            "BM_MemsetFrame"});
  return true;
}();

}  // namespace
}  // namespace wayband::bench
