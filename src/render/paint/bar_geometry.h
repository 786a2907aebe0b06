// Where the parts of a large bar and of a toolbar button go: the icon of each and the
// caption rectangle of a large bar, in pixels of the surface they are painted on.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace wayband::render {

// A large bar is 32 pixels high because its icon is 24 pixels.
inline constexpr int32_t kLargeBarHeight = 32;
// Icons: 24 pixels (size index 1) on large bars, 16 (size index 0) on toolbar buttons,
// always drawn from the 32-bit arrays (kind 4).
inline constexpr int32_t kLargeIconSize = 24;
inline constexpr int32_t kLargeIconSizeIndex = 1;
inline constexpr int32_t kSmallIconSize = 16;
inline constexpr int32_t kSmallIconSizeIndex = 0;
inline constexpr int32_t kBarIconKind = 4;
// Half the icon margin: the large icon's distance from the left edge.
inline constexpr int32_t kLargeIconLeft = 8;
// With right-to-left reading the large icon ends this far from the control's right edge.
inline constexpr int32_t kLargeIconRightMargin = 10;
// Half the large icon + the large icon + 5: where a caption starts beside the icon.
inline constexpr int32_t kCaptionTextOffset = kLargeIconSize / 2 + kLargeIconSize + 5;
// A toolbar button's icon sits this far in from the button's left edge.
inline constexpr int32_t kButtonIconLeft = 2;

// Top-left corner of a large bar's icon: x 8 (or the control width − 34 with right-to-left
// reading), centred vertically in the bar.
platform::Point LargeBarIconPosition(const platform::Rect& bar, bool rightToLeft,
                                     int32_t controlWidth);

// A large bar's caption rectangle. Its top centres a line of the measured text height in
// the 32 pixels of a bar ((32 − text height) div 2 below the bar's top); left and right
// follow Center and RightToLeft:
//   Center            0 .. control width
//   left to right     41 .. bar right
//   right to left     0 .. control width − 41
// The bottom lies far below the bar so that it never clips a caption, whatever its font:
// the next bar paints over anything that reaches into it.
platform::Rect LargeBarCaptionRect(const platform::Rect& bar, bool center, bool rightToLeft,
                                   int32_t controlWidth, int32_t textHeightPixels);

// Top-left corner of a toolbar button's icon: 2 pixels in from the left, its 16 pixels
// centred on the button's middle row (rounded half to even).
platform::Point ToolbarButtonIconPosition(const platform::Rect& button);

}  // namespace wayband::render
