// Helpers of the bar-painting tests: solid icons and pictures, a palette whose slots are
// told apart by their colour, reading colours back from surfaces, the bounding box of what
// a paint changed, and PNG files of rendered scenes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "imaging/dib32.h"
#include "imaging/icon_bytes.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "render/scheme/scheme_palette.h"
#include "wayband/picture.h"

namespace wayband::testing {

// An opaque icon in one plain colour, stored as 32-bit (kind 4) arrays at 16 and 24 pixels.
imaging::CIconBytes SolidIcon(const std::string& key, platform::ColorRef color);

// A 32-bit bitmap picture of width x height in one plain colour, with `corner` at (0,0).
std::shared_ptr<Picture> SolidPicture(int32_t width, int32_t height, platform::ColorRef color,
                                      platform::ColorRef corner);

// Slot i holds a plain colour of its own, so any slot mixed up with another shows.
render::SchemePalette NumberedPalette();

// The colour at (x, y) of the surface, alpha dropped.
platform::ColorRef ColorAt(const imaging::CDib32& surface, int32_t x, int32_t y);

// A surface of width x height cleared to one colour.
imaging::CDib32 ClearedSurface(int32_t width, int32_t height, platform::ColorRef color);

// The smallest rectangle holding every pixel in which the two surfaces differ (empty when
// none does).
platform::Rect ChangedBounds(const imaging::CDib32& painted, const imaging::CDib32& before);

// Whether two colours differ by at most `tolerance` in every channel.
bool NearColor(platform::ColorRef a, platform::ColorRef b, int tolerance);

// Writes the surface as an 8-bit RGB PNG file, each pixel `scale` x `scale`.
bool WritePng(const imaging::CDib32& surface, const std::filesystem::path& path, int scale = 1);

}  // namespace wayband::testing
