// Where the icon page's preview strip shows what: the set of icons on the current page,
// one slot per icon 21 pixels apart from x = 6, the slot under the last click selected,
// and whether a next set exists. Pure arithmetic; preview_painter draws it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace wayband::proppage {

// Icons shown per set.
inline constexpr int32_t kIconsPerPage = 15;
// The first slot's left edge, the distance between slots and the width a click selects
// (from the slot's left edge to 20 pixels right of it), pixels.
inline constexpr int32_t kFirstSlotX = 6;
inline constexpr int32_t kSlotPitch = 21;
inline constexpr int32_t kSlotHitWidth = 20;
// The previews are drawn at 16 pixels.
inline constexpr int32_t kPreviewIconSide = 16;

struct PreviewSlot {
  int32_t x = 0;     // the icon's left edge, pixels
  int32_t icon = 0;  // its position in the store, 0-based
  bool selected = false;
};

struct PreviewLayout {
  std::vector<PreviewSlot> slots;
  // The icons' top edge: half the strip's height less 8, ties to even.
  int32_t iconY = 0;
  // The store holds icons beyond this set.
  bool hasNextSet = false;
  // The selected slot's icon, if a slot lies under the selected x.
  std::optional<int32_t> selectedIcon;
};

// The layout for a store of `iconCount` icons showing set `page` (0-based) in a strip
// `stripHeight` pixels high, with the last click at `selectedX` pixels (0: none).
PreviewLayout LayOutPreview(int32_t iconCount, int32_t page, int32_t selectedX,
                            int32_t stripHeight);

}  // namespace wayband::proppage
