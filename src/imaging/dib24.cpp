#include "imaging/dib24.h"

#include "imaging/pixel_ops.h"
#include "imaging/resample_bilinear.h"

namespace wayband::imaging {

void CDib24::Greyscale(platform::ColorRef, platform::ColorRef) {
  imaging::Greyscale(View(), /*keepKeyColour=*/true);
}

CDib24 CDib24::Resample(int32_t newWidth, int32_t newHeight, platform::ColorRef keyColour) const {
  CDib24 result;
  if (!hDC() || !result.Create(newWidth, newHeight)) return CDib24{};
  if (newWidth == Width() && newHeight == Height()) {
    result.LoadFromDC(hDC());
  } else {
    ResampleBilinearKeyed(View(), result.View(), keyColour);
  }
  return result;
}

}  // namespace wayband::imaging
