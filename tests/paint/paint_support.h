// Helpers of the bar-painting tests: solid pictures, a palette whose slots are
// told apart by their colour and the bounding box of what a paint changed (reading colours
// back and PNG files come from tests/support).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "imaging/dib32.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "render/scheme/scheme_palette.h"
#include "support/panel_icons.h"
#include "support/png_file.h"
#include "support/surface_colors.h"
#include "wayband/picture.h"

namespace wayband::testing {

// A 32-bit bitmap picture of width x height in one plain colour, with `corner` at (0,0).
std::shared_ptr<Picture> SolidPicture(int32_t width, int32_t height, platform::ColorRef color,
                                      platform::ColorRef corner);

// Slot i holds a plain colour of its own, so any slot mixed up with another shows.
render::SchemePalette NumberedPalette();

// The smallest rectangle holding every pixel in which the two surfaces differ (empty when
// none does).
platform::Rect ChangedBounds(const imaging::CDib32& painted, const imaging::CDib32& before);

}  // namespace wayband::testing
