#include "proppage/preview_layout.h"

#include <algorithm>

#include "platform/round_half_even.h"

namespace wayband::proppage {

PreviewLayout LayOutPreview(int32_t iconCount, int32_t page, int32_t selectedX,
                            int32_t stripHeight) {
  PreviewLayout layout;
  layout.iconY = static_cast<int32_t>(
      platform::RoundHalfEven(stripHeight / 2.0 - static_cast<double>(kPreviewIconSide) / 2.0));
  const int64_t first = int64_t{std::max(page, 0)} * kIconsPerPage;
  layout.hasNextSet = iconCount > first + kIconsPerPage;
  const int64_t end = std::min<int64_t>(iconCount, first + kIconsPerPage);
  int32_t x = kFirstSlotX;
  for (int64_t icon = first; icon < end; ++icon, x += kSlotPitch) {
    const bool selected = selectedX >= x && selectedX <= x + kSlotHitWidth;
    layout.slots.push_back({x, static_cast<int32_t>(icon), selected});
    if (selected) layout.selectedIcon = static_cast<int32_t>(icon);
  }
  return layout;
}

}  // namespace wayband::proppage
