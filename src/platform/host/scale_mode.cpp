#include "platform/host/scale_mode.h"

namespace wayband::host {

namespace {
constexpr double kTwipsPerPoint = 20.0;
constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerMillimeter = kTwipsPerInch / 25.4;
constexpr double kTwipsPerCentimeter = kTwipsPerInch / 2.54;
constexpr double kTwipsPerCharacterX = 120.0;
constexpr double kTwipsPerCharacterY = 240.0;
}  // namespace

double TwipsPerScaleUnit(ScaleMode mode, double twipsPerPixel, bool vertical) {
  switch (mode) {
    case ScaleMode::kPoints:
      return kTwipsPerPoint;
    case ScaleMode::kPixels:
      return twipsPerPixel;
    case ScaleMode::kCharacters:
      return vertical ? kTwipsPerCharacterY : kTwipsPerCharacterX;
    case ScaleMode::kInches:
      return kTwipsPerInch;
    case ScaleMode::kMillimeters:
      return kTwipsPerMillimeter;
    case ScaleMode::kCentimeters:
      return kTwipsPerCentimeter;
    case ScaleMode::kUser:
    case ScaleMode::kTwips:
      break;
  }
  return 1.0;
}

double TwipsToScale(double twips, ScaleMode mode, double twipsPerPixel, bool vertical) {
  const double perUnit = TwipsPerScaleUnit(mode, twipsPerPixel, vertical);
  return perUnit > 0.0 ? twips / perUnit : 0.0;
}

}  // namespace wayband::host
