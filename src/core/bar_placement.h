// Which panel becomes a large bar and which a toolbar button, and the rectangle each gets
// (rcItem, bInToolbar). The frame pass runs this walk over the panels in index order and
// paints each bar and button into the rectangle it was given.
#pragma once

#include <cstdint>
#include <vector>

#include "core/panel_record.h"

namespace wayband::core {

// Toolbar buttons, pixels.
inline constexpr int32_t kToolbarButtonWidth = 22;
inline constexpr int32_t kToolbarButtonPitch = 23;  // capacity = toolbar width div 23
inline constexpr int32_t kToolbarButtonTop = 3;
// The last pixels of the toolbar strip belong to the chevron.
inline constexpr int32_t kChevronReserve = 20;

struct BarPlacementGeometry {
  int32_t barsTop = 0;       // pixel row of the first large bar
  int32_t barsToShow = 0;    // large bars wanted
  int32_t controlWidth = 0;  // control client width, pixels
  int32_t toolbarWidth = 0;  // toolbar strip width, pixels
  int32_t buttonBottom = 0;  // (toolbar height in twips - 20) in pixels
};

// Clears every record's rcItem and bInToolbar and places the visible panels: the first
// barsToShow become large bars stacked from barsTop, the next ones toolbar buttons while
// the toolbar has room (width div 23), the rest nowhere. Returns the number of large bars.
int32_t PlaceBars(std::vector<PanelRecord>& records, const BarPlacementGeometry& g);

}  // namespace wayband::core
