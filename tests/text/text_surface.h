// Test surfaces for text output: a memory context holding a bitmap filled with one colour,
// and the measures tests take of the ink drawn on it.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/drawing_context.h"
#include "platform/text/logical_font.h"
#include "support/canvas.h"

namespace wayband::platform::testing {

inline LogFont MakeLogFont(std::string_view face, int32_t height, int32_t weight = FW_NORMAL,
                           uint8_t quality = ANTIALIASED_QUALITY) {
  LogFont lf;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfQuality = quality;
  SetFaceName(lf, face);
  return lf;
}

// Tahoma at 8 points on a 96-dots-per-inch display, as the controls draw captions.
inline LogFont CaptionLogFont() {
  return MakeLogFont("Tahoma", -11);
}

// A canvas that draws text on a transparent background.
class TextSurface : public ::wayband::testing::Canvas {
 public:
  TextSurface(int32_t width, int32_t height, ColorRef background, int bitCount = 32)
      : Canvas(width, height, background, bitCount) {
    dc()->SetBkMode(BackgroundMode::kTransparent);
  }
  void Select(const LogFont& lf) { dc()->SelectFont(CreateFontIndirect(lf)); }
};

}  // namespace wayband::platform::testing
