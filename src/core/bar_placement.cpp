#include "core/bar_placement.h"

#include "core/control_state.h"
#include "platform/twips.h"

namespace wayband::core {

namespace {

// Left edge of the first button placed from the left: 22 * n - 18 for the n-th button.
constexpr int32_t kLeftPlacedOffset = 18;
// Right-aligned buttons end this far from the toolbar's right edge (for rem = 0).
constexpr int32_t kRightPlacedOffset = 35;

class ToolbarRow {
 public:
  ToolbarRow(const BarPlacementGeometry& g, int32_t panelCount)
      : g_(g), panelCount_(panelCount), capacity_(g.toolbarWidth / kToolbarButtonPitch) {}

  bool HasRoom() const { return placed_ <= capacity_ - 1; }

  // Places the button of panel `index` (1-based).
  void Place(PanelRecord& record, int32_t index) {
    const int64_t rem = int64_t{panelCount_} - index;
    fromLeft_ = fromLeft_ || rem >= capacity_ - 1;
    const int64_t left =
        fromLeft_
            ? int64_t{kToolbarButtonWidth} * (placed_ + 1) - kLeftPlacedOffset
            : int64_t{g_.toolbarWidth} - kRightPlacedOffset - int64_t{kToolbarButtonWidth} * rem;
    const int64_t right = left + kToolbarButtonWidth;
    record.bInToolbar = true;
    if (left >= 1 && right < int64_t{g_.toolbarWidth} - kChevronReserve) {
      record.rcItem = {platform::ClampToLong(left), kToolbarButtonTop, platform::ClampToLong(right),
                       g_.buttonBottom};
    }
    ++placed_;
  }

 private:
  const BarPlacementGeometry& g_;
  int32_t panelCount_;
  int32_t capacity_;
  int32_t placed_ = 0;
  bool fromLeft_ = false;
};

}  // namespace

int32_t PlaceBars(std::vector<PanelRecord>& records, const BarPlacementGeometry& g) {
  const int32_t panelCount = static_cast<int32_t>(records.size());
  ToolbarRow toolbar(g, panelCount);
  int32_t largeBars = 0;
  int64_t top = g.barsTop;
  for (int32_t i = 1; i <= panelCount; ++i) {
    PanelRecord& record = records[static_cast<size_t>(i - 1)];
    record.bInToolbar = false;
    record.rcItem = {};
    if (largeBars < g.barsToShow) {
      if (!record.bVisible) continue;
      record.rcItem = {0, platform::ClampToLong(top), g.controlWidth - 1,
                       platform::ClampToLong(top + kBarHeight)};
      top += kBarHeight;
      ++largeBars;
    } else if (record.bVisible && toolbar.HasRoom()) {
      toolbar.Place(record, i);
    }
  }
  return largeBars;
}

}  // namespace wayband::core
