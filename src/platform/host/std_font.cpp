#include "wayband/std_font.h"

#include <cmath>

namespace wayband {

namespace {
// The platform keeps font sizes as currency: four decimal places.
constexpr double kSizeScale = 10000.0;
}  // namespace

void StdFont::SetSize(double points) {
  // Sizes too large to keep to four decimal places are refused like negative ones.
  if (!std::isfinite(points * kSizeScale) || points < 0.0) return;
  size_ = std::round(points * kSizeScale) / kSizeScale;
}

}  // namespace wayband
