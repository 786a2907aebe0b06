// Scale modes: the units of a window's ScaleWidth and ScaleHeight, numbered as the
// platform's ScaleMode property.
#pragma once

#include <cstdint>

namespace wayband::host {

enum class ScaleMode : int16_t {
  kUser = 0,  // treated as twips: hosts of this library keep no user scale
  kTwips = 1,
  kPoints = 2,
  kPixels = 3,
  kCharacters = 4,
  kInches = 5,
  kMillimeters = 6,
  kCentimeters = 7,
};

// Twips in one unit of the mode along one axis; `twipsPerPixel` serves the pixel mode.
// Characters are 120 twips wide and 240 high.
double TwipsPerScaleUnit(ScaleMode mode, double twipsPerPixel, bool vertical);

// A length in twips expressed in the mode's units (0 when the unit has no size).
double TwipsToScale(double twips, ScaleMode mode, double twipsPerPixel, bool vertical);

}  // namespace wayband::host
