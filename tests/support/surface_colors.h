// Reading the colours the tests painted: pixels of surfaces and bitmaps as plain colours,
// surfaces cleared to one colour, how far two colours lie apart and where ink differs
// from a known background.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "imaging/dib32.h"
#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"

namespace wayband::testing {

// A colour for every (x, y) of some picture.
using ColorSource = std::function<platform::ColorRef(int32_t x, int32_t y)>;

// The colour at (x, y) of a surface or bitmap, alpha dropped (CLR_INVALID outside a bitmap).
platform::ColorRef ColorAt(const imaging::CDib32& surface, int32_t x, int32_t y);
platform::ColorRef ColorAt(const platform::Bitmap& bitmap, int32_t x, int32_t y);

// A surface of width x height cleared to one colour.
imaging::CDib32 ClearedSurface(int32_t width, int32_t height, platform::ColorRef color);

// Largest difference of any channel.
int ChannelDistance(platform::ColorRef a, platform::ColorRef b);

// Whether two colours differ by at most `tolerance` in every channel.
bool NearColor(platform::ColorRef a, platform::ColorRef b, int tolerance);

// The bounding box of the pixels of `area` that differ by more than `tolerance` in some
// channel from what `background(x, y)` expects there; nothing when none do.
std::optional<platform::Rect> InkBounds(const ColorSource& actual, const ColorSource& background,
                                        const platform::Rect& area, int tolerance);

}  // namespace wayband::testing
