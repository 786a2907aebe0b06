// The arithmetic of the control's layout, as pure functions of the geometry they read:
// how many large bars fit, where the bar stack starts, and where the selected panel's
// child control goes. Twips values are the host's; pixel values the control's.
#pragma once

#include <cstdint>
#include <optional>

namespace wayband::core {

// The toolbar strip's height: 16 twips plus one bar height in twips.
inline constexpr double kToolbarExtraTwips = 16.0;
// The panel area starts this many pixels below the top when the toolbar is on top.
inline constexpr int32_t kTopToolbarPanelOffset = 60;

// Most large bars that fit: the nearest whole number (halves to even) to the control's
// height over the toolbar's height, less 3. Nothing when the toolbar has no height.
std::optional<int32_t> MaxBarsFor(int32_t controlHeightPixels, int32_t toolbarHeightPixels);

// The top row of a stack of `barsToShow` bars ending at `bottomPixels`.
int32_t BarsTopFor(int32_t bottomPixels, int32_t barsToShow);

struct TwipsRect {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// What arranging the child controls reads; all lengths twips except barsTop.
struct PanelAreaGeometry {
  bool toolbarOnTop = false;
  double scaleWidth = 0.0;     // SW
  double scaleHeight = 0.0;    // SH
  double toolbarTop = 0.0;     // TT
  double toolbarHeight = 0.0;  // TH
  double splitTop = 0.0;       // ST
  double splitHeight = 0.0;    // SH2
  int32_t barsTop = 0;
  double twipsPerPixelY = 15.0;
};

// Where the selected panel's child control goes (left, top, width, height in twips). The
// height may come out negative on a short control; the host then refuses the move.
TwipsRect PanelAreaFor(const PanelAreaGeometry& g);

}  // namespace wayband::core
