#include "color_values.h"

#include <array>
#include <cctype>

#include "platform/system_colors.h"

namespace wayband::render_tool {

namespace {

struct SystemColorName {
  std::string_view name;
  int index;
};

// The names the platform's colour constants use for the system colours.
constexpr std::array kSystemColorNames = {
    SystemColorName{"ScrollBars", platform::COLOR_SCROLLBAR},
    SystemColorName{"Desktop", platform::COLOR_BACKGROUND},
    SystemColorName{"ActiveTitleBar", platform::COLOR_ACTIVECAPTION},
    SystemColorName{"InactiveTitleBar", platform::COLOR_INACTIVECAPTION},
    SystemColorName{"MenuBar", platform::COLOR_MENU},
    SystemColorName{"WindowBackground", platform::COLOR_WINDOW},
    SystemColorName{"WindowFrame", platform::COLOR_WINDOWFRAME},
    SystemColorName{"MenuText", platform::COLOR_MENUTEXT},
    SystemColorName{"WindowText", platform::COLOR_WINDOWTEXT},
    SystemColorName{"TitleBarText", platform::COLOR_CAPTIONTEXT},
    SystemColorName{"ActiveBorder", platform::COLOR_ACTIVEBORDER},
    SystemColorName{"InactiveBorder", platform::COLOR_INACTIVEBORDER},
    SystemColorName{"ApplicationWorkspace", platform::COLOR_APPWORKSPACE},
    SystemColorName{"Highlight", platform::COLOR_HIGHLIGHT},
    SystemColorName{"HighlightText", platform::COLOR_HIGHLIGHTTEXT},
    SystemColorName{"ButtonFace", platform::COLOR_BTNFACE},
    SystemColorName{"ButtonShadow", platform::COLOR_BTNSHADOW},
    SystemColorName{"GrayText", platform::COLOR_GRAYTEXT},
    SystemColorName{"ButtonText", platform::COLOR_BTNTEXT},
    SystemColorName{"InactiveCaptionText", platform::COLOR_INACTIVECAPTIONTEXT},
    SystemColorName{"3DHighlight", platform::COLOR_BTNHIGHLIGHT},
    SystemColorName{"3DDKShadow", platform::COLOR_3DDKSHADOW},
    SystemColorName{"3DLight", platform::COLOR_3DLIGHT},
    SystemColorName{"InfoText", platform::COLOR_INFOTEXT},
    SystemColorName{"InfoBackground", platform::COLOR_INFOBK},
};

constexpr size_t kHexColorLength = 7;  // "#RRGGBB"

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

std::optional<uint32_t> HexColor(std::string_view text) {
  if (text.size() != kHexColorLength || text[0] != '#') return std::nullopt;
  uint32_t rrggbb = 0;
  for (const char c : text.substr(1)) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    const int digit = std::isdigit(static_cast<unsigned char>(c))
                          ? c - '0'
                          : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
    rrggbb = rrggbb << 4 | static_cast<uint32_t>(digit);
  }
  return platform::ColorFromRrggbb(rrggbb);
}

}  // namespace

std::optional<uint32_t> ColorFromText(std::string_view text) {
  if (const auto hex = HexColor(text)) return hex;
  for (const SystemColorName& entry : kSystemColorNames) {
    if (SameIgnoringCase(entry.name, text)) return platform::SysColorRef(entry.index);
  }
  return std::nullopt;
}

std::string SystemColorNames() {
  std::string names;
  for (const SystemColorName& entry : kSystemColorNames)
    names += (names.empty() ? "" : ", ") + std::string(entry.name);
  return names;
}

}  // namespace wayband::render_tool
