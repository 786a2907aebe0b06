// GetTextMetrics's answer: the measures of the font selected in a drawing context, in
// pixels. The height is ascent plus descent, the line pitch of drawn text; the internal
// leading is the part of the height above the character (em) height.
#pragma once

#include <cstdint>

namespace wayband::platform {

struct TextMetric {
  int32_t tmHeight = 0;
  int32_t tmAscent = 0;
  int32_t tmDescent = 0;
  int32_t tmInternalLeading = 0;
  int32_t tmExternalLeading = 0;
  int32_t tmAveCharWidth = 0;
  int32_t tmMaxCharWidth = 0;
  int32_t tmWeight = 0;
  uint8_t tmItalic = 0;
  uint8_t tmUnderlined = 0;
  uint8_t tmStruckOut = 0;
  uint8_t tmCharSet = 0;
};

}  // namespace wayband::platform
