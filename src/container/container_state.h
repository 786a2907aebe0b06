// What a NorvaleContainer keeps besides what its host keeps for it (BackColor, ForeColor,
// Font, Enabled): its properties, its icon store and what the last paint decided.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/icon_store.h"
#include "platform/geometry.h"
#include "render/scheme/scheme_palette.h"

namespace wayband::container {

// The bar colour that follows the colour scheme: the system button face.
inline constexpr uint32_t kSchemeBarColor = 0x8000000F;
inline constexpr int32_t kDefaultIconPixels = 16;

struct ContainerState {
  // The IconSize value (a size index), and the pixels it stands for, which is also what is
  // stored; a loaded size that is no standard size keeps its pixels with index 0.
  int32_t IconSizeIndex = 0;
  int32_t IconPixelSize = kDefaultIconPixels;
  int32_t TopMargin = 0;
  std::string Caption;
  std::string IconKey;
  bool AutoSizeControls = false;
  uint32_t BarColor = kSchemeBarColor;
  // None until the first icon is added or the container is loaded.
  std::optional<core::IconStore> Icons;
  std::string LastIconFile;

  // The last paint.
  render::SchemePalette Palette;
  bool Styled = false;
  platform::Rect CaptionRect;
  std::string DrawnIconKey;
  bool IconDrawn = false;
  uint64_t Paints = 0;
};

}  // namespace wayband::container
