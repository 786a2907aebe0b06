#include "platform/system_colors.h"

#include "platform/desktop_settings.h"

namespace wayband::platform {
namespace {

constexpr uint32_t kKindPlain = 0x00;
constexpr uint32_t kKindPaletteIndex = 0x01;
constexpr uint32_t kKindPaletteRgb = 0x02;
constexpr uint32_t kKindSystem = 0x80;
constexpr uint32_t kSysIndexMask = 0xFF;
constexpr uint32_t kSysReservedMask = 0x00FFFF00;

}  // namespace

ColorRef GetSysColor(int index) {
  if (index < 0 || index >= kSysColorCount) return 0;
  return CurrentDesktop().State().sysColors[static_cast<size_t>(index)];
}

bool OleTranslateColor(uint32_t color, ColorRef* result) {
  const uint32_t kind = color >> 24;
  if (kind == kKindPlain || kind == kKindPaletteIndex || kind == kKindPaletteRgb) {
    if (result != nullptr) *result = color;
    return true;
  }
  if (kind != kKindSystem || (color & kSysReservedMask) != 0) return false;
  const int index = static_cast<int>(color & kSysIndexMask);
  if (index >= kSysColorCount) return false;
  if (result != nullptr) *result = GetSysColor(index);
  return true;
}

}  // namespace wayband::platform
