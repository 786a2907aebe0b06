#include "render/draw/chevron_glyph.h"

#include <array>
#include <cstdint>

#include "platform/color.h"
#include "platform/system_colors.h"
#include "render/draw/color_blend.h"

namespace wayband::render {
namespace {

constexpr int32_t kAnchorLeftShift = 7;
constexpr int32_t kAnchorRightInset = 2;
constexpr int32_t kAnchorRowsAboveBottom = 20;

// Inks. The chevron and the triangle are drawn in black and the soft shadow below the
// chevron in a bluish near-black (16, 16, 29), the darkest tone of the shadow family that
// the three lighter shadow pixels (1A1A31 and 28284B) belong to; weights, not inks, carry
// the glyph's shape, so any near-black would look the same.
constexpr platform::ColorRef kStrokeInk = platform::RGB(0, 0, 0);
constexpr platform::ColorRef kShadowInk = platform::RGB(16, 16, 29);
constexpr platform::ColorRef kShadowInkLight = platform::ColorFromRrggbb(0x1A1A31);
constexpr platform::ColorRef kShadowInkLighter = platform::ColorFromRrggbb(0x28284B);

// Where a glyph pixel takes the background it is laid over from.
enum class Backdrop {
  kOwn,        // the pixel itself
  kRowOne,     // the pixel of its own column in row 1 (already drawn)
  kRightNext,  // the pixel to its right (already drawn)
};

struct GlyphPixel {
  int32_t dx;
  int32_t dy;
  uint8_t weight;
  platform::ColorRef ink = kStrokeInk;
  Backdrop backdrop = Backdrop::kOwn;
};

// Weights by position: the double chevron (rows -2 to 2), its shadow (rows 3 and 4) and
// the drop-down triangle (rows 8 to 11). The table lists every pixel that samples another
// after the pixel it samples, so drawing in table order lets each sample see the glyph
// drawn so far; each position appears once.
constexpr std::array<GlyphPixel, 74> kGlyph = {{
    // Row 1, which the upper edge pixels of the chevron sample.
    {2, 1, 28},
    {3, 1, 255},
    {4, 1, 184},
    {5, 1, 32},
    {6, 1, 213},
    {7, 1, 182},
    {8, 1, 32},
    {9, 1, 16},
    // Row 2; (3, 2) samples (4, 2), and (2, 2) samples row 1.
    {1, 2, 16},
    {2, 2, 255, kStrokeInk, Backdrop::kRowOne},
    {4, 2, 28},
    {3, 2, 189, kStrokeInk, Backdrop::kRightNext},
    {5, 2, 206},
    {6, 2, 168},
    {7, 2, 28},
    {8, 2, 16},
    {9, 2, 8},
    // Rows -2 to 0.
    {1, -2, 25},
    {2, -2, 242, kStrokeInk, Backdrop::kRowOne},
    {3, -2, 152},
    {4, -2, 25},
    {5, -2, 246, kStrokeInk, Backdrop::kRowOne},
    {6, -2, 148},
    {7, -2, 21},
    {2, -1, 32},
    {3, -1, 242, kStrokeInk, Backdrop::kRowOne},
    {4, -1, 139},
    {5, -1, 36},
    {6, -1, 242, kStrokeInk, Backdrop::kRowOne},
    {7, -1, 180},
    {8, -1, 25},
    {9, -1, 3},
    {3, 0, 61},
    {4, 0, 246, kStrokeInk, Backdrop::kRowOne},
    {5, 0, 177},
    {6, 0, 65},
    {7, 0, 255, kStrokeInk, Backdrop::kRowOne},
    {8, 0, 180},
    {9, 0, 16},
    // The shadow.
    {2, 3, 7, kShadowInk},
    {3, 3, 12, kShadowInk},
    {4, 3, 16, kShadowInk},
    {5, 3, 14, kShadowInk},
    {6, 3, 16, kShadowInk},
    {7, 3, 16, kShadowInk},
    {8, 3, 12, kShadowInkLight},
    {2, 4, 3, kShadowInk},
    {3, 4, 3, kShadowInk},
    {4, 4, 3, kShadowInk},
    {6, 4, 8, kShadowInkLighter},
    {7, 4, 8, kShadowInkLighter},
    // The triangle.
    {2, 8, 16},
    {3, 8, 148},
    {4, 8, 159},
    {5, 8, 184},
    {6, 8, 193},
    {7, 8, 193},
    {8, 8, 45},
    {3, 9, 16},
    {4, 9, 199},
    {5, 9, 255},
    {6, 9, 255},
    {7, 9, 57},
    {8, 9, 12},
    {9, 9, 8, kShadowInkLighter},
    {4, 10, 20},
    {5, 10, 184},
    {6, 10, 45},
    {7, 10, 25},
    {8, 10, 7},
    {9, 10, 3},
    {5, 11, 7},
    {6, 11, 12},
    {7, 11, 7},
}};

platform::Point BackdropOf(const GlyphPixel& pixel, int32_t x, int32_t t) {
  switch (pixel.backdrop) {
    case Backdrop::kRowOne:
      return {x + pixel.dx, t + 1};
    case Backdrop::kRightNext:
      return {x + pixel.dx + 1, t + pixel.dy};
    case Backdrop::kOwn:
      break;
  }
  return {x + pixel.dx, t + pixel.dy};
}

}  // namespace

void DrawChevronGlyph(platform::DrawingContext* target, int32_t left, int32_t /*top*/,
                      int32_t right, int32_t bottom) {
  if (target == nullptr) return;
  const int64_t anchorX =
      int64_t{left} + (int64_t{right} - kAnchorRightInset - left) / 2 - kAnchorLeftShift;
  const int64_t anchorT = int64_t{bottom} - kAnchorRowsAboveBottom;
  // Far outside any bitmap: nothing to draw (and no coordinate overflows below).
  if (anchorX < INT32_MIN / 2 || anchorX > INT32_MAX / 2 || anchorT < INT32_MIN / 2 ||
      anchorT > INT32_MAX / 2) {
    return;
  }
  const auto x = static_cast<int32_t>(anchorX);
  const auto t = static_cast<int32_t>(anchorT);
  for (const GlyphPixel& pixel : kGlyph) {
    const int32_t px = x + pixel.dx;
    const int32_t py = t + pixel.dy;
    const platform::ColorRef own = platform::GetPixel(*target, px, py);
    if (own == platform::CLR_INVALID) continue;  // outside the bitmap
    const platform::Point from = BackdropOf(pixel, x, t);
    platform::ColorRef background = platform::GetPixel(*target, from.x, from.y);
    if (background == platform::CLR_INVALID) background = own;
    platform::SetPixel(*target, px, py, BlendColors(pixel.ink, background, pixel.weight, false));
  }
}

}  // namespace wayband::render
