// CDib24: an off-screen surface of 24 bits per pixel (bytes blue, green, red; rows
// bottom-up, each padded to a multiple of 4 bytes) for icons without alpha, whose
// transparency is the key colour.
#pragma once

#include <cstdint>

#include "imaging/dib_surface.h"
#include "imaging/key_color.h"
#include "platform/color.h"
#include "wayband/picture.h"

namespace wayband::imaging {

class CDib24 : public DibSurface {
 public:
  // Creates the surface at the picture's size holding its colours. A picture that holds
  // no bitmap leaves the surface empty.
  void CreateFromPicture(const Picture* picture);
  CDib24() : DibSurface(kBitCount) {}
  CDib24(CDib24&&) noexcept = default;
  CDib24& operator=(CDib24&&) noexcept = default;

  // Every pixel not in the key colour becomes grey: blue = green = red = round((red +
  // green + blue) / 3). The two colours are accepted for callers that pass them and not
  // used.
  void Greyscale(platform::ColorRef = 0, platform::ColorRef = 0);

  // A new newWidth x newHeight surface: a copy when the size is unchanged, otherwise
  // key-aware bilinear resampling against `keyColour` (see ResampleBilinearKeyed). An
  // empty surface when this one is empty or the new one cannot be made.
  CDib24 Resample(int32_t newWidth, int32_t newHeight,
                  platform::ColorRef keyColour = kKeyColor) const;

 private:
  static constexpr int kBitCount = 24;
};

}  // namespace wayband::imaging
