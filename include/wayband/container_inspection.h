// What a NorvaleContainer decided, as a snapshot (NorvaleContainer::Inspect): its
// properties, the palette of its last paint, where that paint put the caption and the
// icon, and the geometry of the controls placed on it. A copy; it changes nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "wayband/inspection.h"

namespace wayband {

struct ContainerInspection {
  // Properties.
  int32_t IconSizeIndex = 0;
  int32_t IconPixelSize = 0;
  int32_t TopMargin = 0;
  std::string Caption;
  std::string IconKey;
  bool AutoSizeControls = false;
  uint32_t BarColor = 0;
  uint32_t BackColor = 0;
  uint32_t ForeColor = 0;
  bool Enabled = true;
  std::string FontName;
  double FontSize = 0.0;
  // The icon store (in collection order); HasIcons is false while the container has none.
  bool HasIcons = false;
  std::vector<std::string> IconKeys;

  // The last paint: the client size, whether the window was drawn with a visual style,
  // the caption's rectangle, and the icon's key and top-left corner (an empty key: none).
  int32_t clientWidth = 0;
  int32_t clientHeight = 0;
  bool styled = false;
  InspectedRect captionRect;
  std::string drawnIconKey;
  int32_t iconX = 0;
  int32_t iconY = 0;
  std::array<uint32_t, kInspectedPaletteSlots> SchemePalette{};
  uint64_t paints = 0;

  // The controls placed directly on the container.
  std::vector<InspectedControl> containedControls;
};

}  // namespace wayband
