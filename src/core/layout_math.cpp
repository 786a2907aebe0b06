#include "core/layout_math.h"

#include "core/control_state.h"
#include "platform/twips.h"

namespace wayband::core {

namespace {

// Fixed offsets of the panel area, twips.
constexpr double kPanelLeft = 20.0;
constexpr double kPanelWidthLess = 30.0;
constexpr double kPanelTopBelowToolbar = 70.0;  // top = TH - 70
constexpr double kPanelBottomOverlap = 80.0;
constexpr double kSplitterNearToolbar = 100.0;
constexpr double kHiddenPanelTop = -50.0;
constexpr double kTopToolbarGap = 50.0;
// Pixels left under the panel area when the splitter sits down on the toolbar.
constexpr int32_t kDownSplitterReserve = 28;
constexpr int32_t kMaxBarsMargin = 3;

}  // namespace

std::optional<int32_t> MaxBarsFor(int32_t controlHeightPixels, int32_t toolbarHeightPixels) {
  if (toolbarHeightPixels == 0) return std::nullopt;
  const double quotient =
      static_cast<double>(controlHeightPixels) / static_cast<double>(toolbarHeightPixels);
  return platform::RoundToLong(quotient - kMaxBarsMargin);
}

int32_t BarsTopFor(int32_t bottomPixels, int32_t barsToShow) {
  return platform::ClampToLong(int64_t{bottomPixels} - (int64_t{kBarHeight} * barsToShow - 1));
}

TwipsRect PanelAreaFor(const PanelAreaGeometry& g) {
  const double tppy = g.twipsPerPixelY;
  const bool splitterBelowHeader =
      platform::TwipsToPixels(g.splitTop, tppy) > platform::TwipsToPixels(g.toolbarHeight, tppy);
  const double width = g.scaleWidth - kPanelWidthLess;
  const double barsTopTwips = g.barsTop * tppy;
  if (!g.toolbarOnTop) {
    const double top = g.toolbarHeight - kPanelTopBelowToolbar;
    if (g.toolbarTop - kSplitterNearToolbar <= g.splitTop) {
      return {kPanelLeft, top, width,
              g.scaleHeight - g.toolbarHeight - g.splitHeight - kDownSplitterReserve * tppy};
    }
    if (!splitterBelowHeader) return {kPanelLeft, kHiddenPanelTop, width, 0.0};
    return {kPanelLeft, top, width,
            barsTopTwips - g.toolbarHeight + kPanelBottomOverlap - g.splitHeight};
  }
  const double y0 = static_cast<double>(platform::RoundHalfEven(kTopToolbarPanelOffset * tppy));
  const double stackHeight =
      barsTopTwips + kPanelBottomOverlap - g.splitHeight - y0 - kTopToolbarGap;
  const bool roomAboveSplitter = g.scaleHeight - kSplitterNearToolbar > g.splitTop;
  if (roomAboveSplitter && !splitterBelowHeader) return {kPanelLeft, y0, width, 0.0};
  return {kPanelLeft, y0, width, stackHeight};
}

}  // namespace wayband::core
