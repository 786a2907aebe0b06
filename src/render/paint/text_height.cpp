#include "render/paint/text_height.h"

#include "platform/text/text_output.h"
#include "platform/twips.h"

namespace wayband::render {

int32_t TextHeightPixels(const platform::LogFont& font, std::string_view text) {
  // The height of the text's extent in a context holding the font, without laying it out.
  return platform::TextExtentHeight(font, text).value_or(0);
}

int32_t CaptionHeightPixels(double heightTwips, double twipsPerPixelY) {
  if (!(twipsPerPixelY > 0.0)) return 0;
  return platform::RoundToLong(heightTwips / twipsPerPixelY);
}

}  // namespace wayband::render
