#include "platform/visual_styles.h"

#include <algorithm>
#include <map>
#include <string>

#include "platform/ascii_text.h"
#include "platform/desktop_settings.h"

namespace wayband::platform {
namespace {

struct OpenStyleData {
  std::string className;
};

struct HandleTable {
  std::map<ThemeHandle, OpenStyleData> open;
  ThemeHandle next = 1;
};

HandleTable& Handles() {
  static HandleTable table;
  return table;
}

// The style's spelling of the first class in the list it has data for, or empty.
std::string MatchClass(const VisualStyle& style, std::string_view classList) {
  while (true) {
    const size_t separator = classList.find(';');
    const std::string_view candidate = classList.substr(0, separator);
    for (const std::string& known : style.classes) {
      if (!candidate.empty() && EqualsIgnoringAsciiCase(candidate, known)) return known;
    }
    if (separator == std::string_view::npos) return {};
    classList.remove_prefix(separator + 1);
  }
}

ThemeHandle AllocateHandle(std::string className) {
  HandleTable& table = Handles();
  while (table.next == 0 || table.open.contains(table.next))
    ++table.next;
  const ThemeHandle handle = table.next++;
  table.open.emplace(handle, OpenStyleData{std::move(className)});
  return handle;
}

const ThemeColorEntry* FindColor(const VisualStyle& style, const std::string& className, int part,
                                 int state, int property) {
  for (const ThemeColorEntry& entry : style.colors) {
    if (entry.part == part && entry.state == state && entry.property == property &&
        EqualsIgnoringAsciiCase(entry.className, className)) {
      return &entry;
    }
  }
  return nullptr;
}

// Copies `name` with its NUL into `buffer`; false when it does not fit.
bool FitsWithNul(std::string_view name, std::span<char> buffer) {
  return name.size() < buffer.size();
}

void CopyWithNul(std::string_view name, std::span<char> buffer) {
  std::copy(name.begin(), name.end(), buffer.begin());
  buffer[name.size()] = '\0';
}

}  // namespace

bool IsAppThemed() {
  const DesktopState& state = CurrentDesktop().State();
  return state.visualStylesLibraryLoads && state.appStyled && state.visualStyle.has_value();
}

ThemeHandle OpenThemeData(int32_t window, std::string_view classList) {
  if (!IsAppThemed()) return 0;
  const DesktopState& state = CurrentDesktop().State();
  if (std::ranges::find(state.windowsWithoutStyle, window) != state.windowsWithoutStyle.end()) {
    return 0;
  }
  std::string className = MatchClass(*state.visualStyle, classList);
  if (className.empty()) return 0;
  return AllocateHandle(std::move(className));
}

bool CloseThemeData(ThemeHandle theme) {
  return Handles().open.erase(theme) == 1;
}

size_t OpenThemeHandleCount() {
  return Handles().open.size();
}

bool GetCurrentThemeName(std::span<char> fileName, std::span<char> colorName,
                         std::span<char> sizeName) {
  const DesktopState& state = CurrentDesktop().State();
  if (!state.visualStylesLibraryLoads || !state.visualStyle || !state.visualStyle->namesReadable) {
    return false;
  }
  const VisualStyle& style = *state.visualStyle;
  if (!FitsWithNul(style.fileName, fileName) || !FitsWithNul(style.colorName, colorName) ||
      !FitsWithNul(style.sizeName, sizeName)) {
    return false;
  }
  CopyWithNul(style.fileName, fileName);
  CopyWithNul(style.colorName, colorName);
  CopyWithNul(style.sizeName, sizeName);
  return true;
}

bool GetThemeColor(ThemeHandle theme, int part, int state, int property, ColorRef* color) {
  const auto open = Handles().open.find(theme);
  const DesktopState& desktop = CurrentDesktop().State();
  if (open == Handles().open.end() || !desktop.visualStyle) return false;
  const std::string& className = open->second.className;
  const VisualStyle& style = *desktop.visualStyle;
  const ThemeColorEntry* entry = FindColor(style, className, part, state, property);
  if (entry == nullptr) entry = FindColor(style, className, part, 0, property);
  if (entry == nullptr) entry = FindColor(style, className, 0, 0, property);
  if (entry == nullptr) return false;
  if (color != nullptr) *color = entry->color;
  return true;
}

}  // namespace wayband::platform
