#include "render/paint/text_height.h"

#include <memory>

#include "platform/drawing_context.h"
#include "platform/text/text_output.h"
#include "platform/twips.h"

namespace wayband::render {

int32_t TextHeightPixels(const platform::LogFont& font, std::string_view text) {
  const std::unique_ptr<platform::DrawingContext> dc =
      platform::DrawingContext::CreateCompatible(nullptr);
  dc->SelectFont(platform::CreateFontIndirect(font));
  platform::Size extent;
  if (!platform::GetTextExtentPoint32W(dc.get(), text, &extent)) return 0;
  return extent.cy;
}

int32_t CaptionHeightPixels(double heightTwips, double twipsPerPixelY) {
  if (!(twipsPerPixelY > 0.0)) return 0;
  return platform::RoundToLong(heightTwips / twipsPerPixelY);
}

}  // namespace wayband::render
