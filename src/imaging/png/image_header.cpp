#include "imaging/png/image_header.h"

namespace wayband::imaging::png {

unsigned SamplesPerPixel(uint8_t colourType) {
  switch (colourType) {
    case kGrey:
    case kPalette:
      return 1;
    case kGreyAlpha:
      return 2;
    case kRgb:
      return 3;
    case kRgba:
      return 4;
    default:
      return 0;
  }
}

bool IsSupportedFormat(uint8_t colourType, uint8_t bitDepth) {
  switch (colourType) {
    case kGrey:
      return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case kPalette:
      return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case kRgb:
    case kGreyAlpha:
    case kRgba:
      return bitDepth == 8 || bitDepth == 16;
    default:
      return false;
  }
}

}  // namespace wayband::imaging::png
