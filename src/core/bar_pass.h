// The bar pass of a frame: walks the panels in index order, gives each its place (rcItem,
// bInToolbar) and paints it there: the first BarsToShow visible panels as large bars
// stacked from BarsTop on the main target, the following visible ones as toolbar buttons
// on the toolbar target while the toolbar has room (its width div 23), the rest nowhere.
#pragma once

#include <cstdint>
#include <memory>

#include "core/control_state.h"
#include "core/frame_context.h"
#include "wayband/std_font.h"

namespace wayband::core {

// Toolbar buttons, pixels.
inline constexpr int32_t kToolbarButtonWidth = 22;
inline constexpr int32_t kToolbarButtonPitch = 23;  // capacity = toolbar width div 23
inline constexpr int32_t kToolbarButtonTop = 3;
// The last pixels of the toolbar strip belong to the chevron.
inline constexpr int32_t kChevronReserve = 20;

struct BarPassGeometry {
  int32_t barsTop = 0;       // pixel row of the first large bar
  int32_t barsToShow = 0;    // large bars wanted
  int32_t controlWidth = 0;  // control client width, pixels
  int32_t toolbarWidth = 0;  // toolbar strip width, pixels
  int32_t buttonBottom = 0;  // (toolbar height in twips - 20) in pixels
};

// The host-kept properties the bars are painted with.
struct HostKeptLook {
  uint32_t backColor = kButtonFace;
  uint32_t foreColor = kButtonText;
  std::shared_ptr<StdFont> font;
  bool enabled = true;
};

// Marks every panel's cached bar image stale, so that the next pass paints it afresh.
void MarkBarImagesStale(ControlState& state);

// Places every panel and paints the large bars and toolbar buttons (nothing is painted on
// a null target). Every record's rcItem and bInToolbar are rewritten; a normal-state bar
// with default colours is copied from, and may refresh, the panel's cached bar image.
// Returns the number of large bars.
int32_t RunBarPass(ControlState& state, const BarPassGeometry& geometry, const HostKeptLook& host,
                   const FrameContext& frame);

}  // namespace wayband::core
