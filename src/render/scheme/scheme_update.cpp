#include "render/scheme/scheme_update.h"

#include <array>
#include <vector>

#include "platform/registry.h"
#include "render/scheme/color_xp.h"
#include "render/scheme/low_color_display.h"

namespace wayband::render {
namespace {

constexpr std::array<Slot, 4> kWatchedSlots = {Slot::SelectedFill, Slot::HotFill, Slot::FaceTint,
                                               Slot::StyledBarTop};

// The value's characters: the first `size`, less a terminating NUL.
std::string StoredText(const std::vector<char>& buffer, uint32_t size) {
  if (size == 0) return {};
  const size_t length = buffer[size - 1] == '\0' ? size - 1 : size;
  return std::string(buffer.data(), length);
}

std::string QueryAppearanceValue(platform::RegistryKey key) {
  uint32_t size = 0;
  if (platform::RegQueryValueExA(key, platform::kAppearanceValue, nullptr, {}, &size) !=
      platform::ERROR_SUCCESS) {
    return {};
  }
  std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
  uint32_t read = size;
  if (platform::RegQueryValueExA(key, platform::kAppearanceValue, nullptr, buffer, &read) !=
          platform::ERROR_SUCCESS ||
      read > size) {
    return {};
  }
  return StoredText(buffer, size);
}

}  // namespace

std::string ReadAppearanceScheme() {
  platform::RegistryKey key = 0;
  if (platform::RegOpenKeyExA(platform::HKEY_CURRENT_USER, platform::kAppearanceKey,
                              platform::KEY_QUERY_VALUE, &key) != platform::ERROR_SUCCESS) {
    return {};
  }
  std::string scheme = QueryAppearanceValue(key);
  platform::RegCloseKey(key);
  return scheme;
}

SchemePalette BuildCurrentPalette(int32_t window, bool styled) {
  CColorXP builder;
  builder.BuildPalette(ReadAppearanceScheme(), styled, window);
  return builder.GetPalette();
}

bool SchemeColorsChanged(const SchemePalette& before, const SchemePalette& after) {
  for (Slot slot : kWatchedSlots) {
    if (before[slot] != after[slot]) return true;
  }
  return false;
}

int32_t UpdateColorScheme(SchemePalette& palette, int32_t window) {
  const SchemePalette before = palette;
  palette = BuildCurrentPalette(window, CColorXP::IsWindowStyled(window));
  return SchemeColorsChanged(before, palette) ? 1 : 0;
}

int32_t UpdateColorScheme(SchemeControl& control) {
  return UpdateColorScheme(control.SchemeColors(), control.SchemeWindow());
}

void ColorTimerThatTime(SchemeControl& control) {
  if (UpdateColorScheme(control) != 1) return;
  CheckLowColorDisplay(control.SchemeDrawingContext());
  control.Refresh();
  control.RefreshNorvaleContainers();
}

void SchemeRefreshHook(SchemeControl& control) {
  if (control.PollingNeeded()) UpdateColorScheme(control);
}

}  // namespace wayband::render
