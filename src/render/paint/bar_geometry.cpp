#include "render/paint/bar_geometry.h"

#include "platform/round_half_even.h"
#include "platform/twips.h"

namespace wayband::render {
namespace {

// How far below its top a caption rectangle reaches: far enough for any font.
constexpr int64_t kCaptionReach = int64_t{1} << 14;

}  // namespace

platform::Point LargeBarIconPosition(const platform::Rect& bar, bool rightToLeft,
                                     int32_t controlWidth) {
  const int64_t x = rightToLeft ? int64_t{controlWidth} - kLargeIconSize - kLargeIconRightMargin
                                : int64_t{kLargeIconLeft};
  const int64_t y = int64_t{bar.top} + (int64_t{bar.bottom} - bar.top - kLargeIconSize) / 2;
  return {platform::ClampToLong(x), platform::ClampToLong(y)};
}

platform::Rect LargeBarCaptionRect(const platform::Rect& bar, bool center, bool rightToLeft,
                                   int32_t controlWidth, int32_t textHeightPixels) {
  // The text height is already a whole number of pixels, so only the halving truncates.
  const int64_t top = int64_t{bar.top} + (int64_t{kLargeBarHeight} - textHeightPixels) / 2;
  int64_t left = kCaptionTextOffset;
  int64_t right = bar.right;
  if (center) {
    left = 0;
    right = controlWidth;
  } else if (rightToLeft) {
    left = 0;
    right = int64_t{controlWidth} - kCaptionTextOffset;
  }
  return {platform::ClampToLong(left), platform::ClampToLong(top), platform::ClampToLong(right),
          platform::ClampToLong(top + kCaptionReach)};
}

platform::Point ToolbarButtonIconPosition(const platform::Rect& button) {
  const double middle = button.top + (static_cast<double>(button.bottom) - button.top) / 2.0;
  const int64_t y = platform::RoundHalfEven(middle - kSmallIconSize / 2);
  return {platform::ClampToLong(int64_t{button.left} + kButtonIconLeft), platform::ClampToLong(y)};
}

}  // namespace wayband::render
