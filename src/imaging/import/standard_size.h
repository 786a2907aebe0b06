// Snapping a square side to the nearest standard icon size, as the PNG and picture imports
// store their images.
#pragma once

#include <array>
#include <cstdint>

namespace wayband::imaging {

// Below 23 gives 16, below 28 gives 24, below 42 gives 32, below 68 gives 48, below 92
// gives 72, below 127 gives 96, below 250 gives 128, anything else 256.
constexpr int32_t SnapToStandardSize(int32_t side) {
  constexpr struct {
    int32_t below;
    int32_t size;
  } kSteps[] = {{23, 16}, {28, 24}, {42, 32}, {68, 48}, {92, 72}, {127, 96}, {250, 128}};
  for (const auto& step : kSteps) {
    if (side < step.below) return step.size;
  }
  return 256;
}

}  // namespace wayband::imaging
