// What the frame tests read and build (beside tests/support's colour reading): the gradient
// arithmetic the platform fills with, ink found against a known background, the screen a control
// shows (its window with the strips laid over it), PNG files of it, and icons made directly from
// pixel arrays.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "headless/headless_host.h"
#include "imaging/dib32.h"
#include "imaging/icon_bytes.h"
#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "support/png_file.h"
#include "support/surface_colors.h"

namespace wayband::testing {

// Row p of a vertical gradient `length` rows long from c1 to c2, as the platform's
// gradient primitive fills it (16-bit channels, linear per row, high byte shown).
platform::ColorRef GradientRow(platform::ColorRef c1, platform::ColorRef c2, int32_t p,
                               int32_t length);

// The control as it shows on screen: its window image with the images of its visible child
// strips laid over it at their places (back to front). Empty when nothing was drawn.
struct Screen {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<platform::ColorRef> pixels;
  platform::ColorRef At(int32_t x, int32_t y) const;
};
Screen ComposeScreen(headless::HeadlessHost& host, host::WindowHandle control);

// Writes the screen as an 8-bit RGB PNG file; false when it cannot.
inline bool WritePng(const Screen& screen, const std::filesystem::path& path) {
  return WritePng(path, screen.width, screen.height,
                  [&screen](int32_t x, int32_t y) { return screen.At(x, y); });
}

// An icon under `key` with 16- and 24-pixel 32-bit images: a disc of `color` with a soft
// edge and a white highlight, transparent around it.
imaging::CIconBytes MakeDiscIcon(const std::string& key, platform::ColorRef color);

}  // namespace wayband::testing
