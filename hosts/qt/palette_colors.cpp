#include "qt/palette_colors.h"

#include <array>

#include "platform/desktop_presets.h"
#include "qt/qt_colors.h"

namespace wayband::qt {

namespace {

using platform::kSysColorCount;
using G = QPalette::ColorGroup;
using R = QPalette::ColorRole;

constexpr std::array kRoles{
    PaletteRoleOfColor{platform::COLOR_SCROLLBAR, G::Active, R::Midlight},
    PaletteRoleOfColor{platform::COLOR_BACKGROUND, G::Active, R::Dark},
    PaletteRoleOfColor{platform::COLOR_ACTIVECAPTION, G::Active, R::Highlight},
    PaletteRoleOfColor{platform::COLOR_INACTIVECAPTION, G::Active, R::Mid},
    PaletteRoleOfColor{platform::COLOR_MENU, G::Active, R::Window},
    PaletteRoleOfColor{platform::COLOR_WINDOW, G::Active, R::Base},
    PaletteRoleOfColor{platform::COLOR_WINDOWFRAME, G::Active, R::Shadow},
    PaletteRoleOfColor{platform::COLOR_MENUTEXT, G::Active, R::WindowText},
    PaletteRoleOfColor{platform::COLOR_WINDOWTEXT, G::Active, R::Text},
    PaletteRoleOfColor{platform::COLOR_CAPTIONTEXT, G::Active, R::HighlightedText},
    PaletteRoleOfColor{platform::COLOR_ACTIVEBORDER, G::Active, R::Button},
    PaletteRoleOfColor{platform::COLOR_INACTIVEBORDER, G::Active, R::Button},
    PaletteRoleOfColor{platform::COLOR_APPWORKSPACE, G::Active, R::Mid},
    PaletteRoleOfColor{platform::COLOR_HIGHLIGHT, G::Active, R::Highlight},
    PaletteRoleOfColor{platform::COLOR_HIGHLIGHTTEXT, G::Active, R::HighlightedText},
    PaletteRoleOfColor{platform::COLOR_BTNFACE, G::Active, R::Button},
    PaletteRoleOfColor{platform::COLOR_BTNSHADOW, G::Active, R::Dark},
    PaletteRoleOfColor{platform::COLOR_GRAYTEXT, G::Disabled, R::WindowText},
    PaletteRoleOfColor{platform::COLOR_BTNTEXT, G::Active, R::ButtonText},
    PaletteRoleOfColor{platform::COLOR_INACTIVECAPTIONTEXT, G::Active, R::Light},
    PaletteRoleOfColor{platform::COLOR_BTNHIGHLIGHT, G::Active, R::Light},
    PaletteRoleOfColor{platform::COLOR_3DDKSHADOW, G::Active, R::Shadow},
    PaletteRoleOfColor{platform::COLOR_3DLIGHT, G::Active, R::Midlight},
    PaletteRoleOfColor{platform::COLOR_INFOTEXT, G::Active, R::ToolTipText},
    PaletteRoleOfColor{platform::COLOR_INFOBK, G::Active, R::ToolTipBase},
    PaletteRoleOfColor{platform::COLOR_HOTLIGHT, G::Active, R::Link},
    PaletteRoleOfColor{platform::COLOR_GRADIENTACTIVECAPTION, G::Active, R::Highlight},
    PaletteRoleOfColor{platform::COLOR_GRADIENTINACTIVECAPTION, G::Active, R::Mid},
    PaletteRoleOfColor{platform::COLOR_MENUHILIGHT, G::Active, R::Highlight},
    PaletteRoleOfColor{platform::COLOR_MENUBAR, G::Active, R::Window},
};
static_assert(kRoles.size() == kSysColorCount - 1, "every index but the unused one has a role");

// The classic scheme whose look a palette-coloured desktop takes.
constexpr std::string_view kClassicLook = "Windows Standard";

}  // namespace

std::span<const PaletteRoleOfColor> PaletteRoles() {
  return kRoles;
}

platform::SysColorTable SysColorsFromPalette(const QPalette& palette,
                                             const platform::SysColorTable& base) {
  platform::SysColorTable colors = base;
  for (const PaletteRoleOfColor& entry : kRoles) {
    const QColor color = palette.color(entry.group, entry.role);
    colors[static_cast<size_t>(entry.index)] = ColorRefOf(color);
  }
  return colors;
}

platform::DesktopState DesktopFromPalette(const QPalette& palette, int logicalDpi) {
  platform::DesktopState state = *platform::FindDesktopPreset(kClassicLook);
  state.sysColors = SysColorsFromPalette(palette, state.sysColors);
  state.logicalDpi = logicalDpi;
  return state;
}

}  // namespace wayband::qt
