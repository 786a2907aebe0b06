#include "render/draw/grip.h"

#include <array>

#include "platform/color.h"
#include "platform/round_half_even.h"
#include "platform/system_colors.h"
#include "platform/twips.h"

namespace wayband::render {
namespace {

constexpr int32_t kDotPitch = 5;
constexpr int32_t kDotSize = 3;
// The dots keep their own colours whatever the scheme: a dark corner, a mid-tone centre
// and a white lower-right edge.
constexpr platform::ColorRef kDotDark = platform::ColorFromRrggbb(0x293042);
constexpr platform::ColorRef kDotCentre = platform::ColorFromRrggbb(0x63759C);
constexpr platform::ColorRef kDotLight = platform::ColorFromRrggbb(0xFFFFFF);

struct DotPixel {
  int32_t dx;
  int32_t dy;
  platform::ColorRef color;
};

constexpr std::array<DotPixel, 7> kDot = {{
    {0, 0, kDotDark},
    {1, 0, kDotDark},
    {0, 1, kDotDark},
    {1, 1, kDotCentre},
    {2, 1, kDotLight},
    {1, 2, kDotLight},
    {2, 2, kDotLight},
}};

}  // namespace

void DrawGrip(platform::DrawingContext* target, const platform::Rect& rect, int32_t dots) {
  if (target == nullptr || !target->bitmap() || dots <= 0) return;
  const double width = static_cast<double>(rect.right) - rect.left;
  const double height = static_cast<double>(rect.bottom) - rect.top;
  const int64_t x0 = platform::RoundHalfEven(width / 2 - kDotPitch * static_cast<double>(dots) / 2);
  const int64_t y0 = platform::RoundHalfEven(height / 2 - 2);
  const int64_t bitmapWidth = target->bitmap()->width();
  // Dots wholly left of the bitmap (a dot is kDotSize wide) draw nothing: start after them.
  const int64_t firstVisible = x0 + kDotSize > 0 ? 0 : (kDotPitch - kDotSize - x0) / kDotPitch;
  for (int64_t k = firstVisible; k < dots; ++k) {
    const int64_t x = x0 + kDotPitch * k;
    if (x >= bitmapWidth) break;  // this dot and all later ones lie right of the bitmap
    for (const DotPixel& pixel : kDot) {
      platform::SetPixel(*target, platform::ClampToLong(x + pixel.dx),
                         platform::ClampToLong(y0 + pixel.dy), pixel.color);
    }
  }
}

}  // namespace wayband::render
