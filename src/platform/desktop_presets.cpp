#include "platform/desktop_presets.h"

#include <array>
#include <string>

#include "platform/visual_styles.h"

namespace wayband::platform {
namespace {

using RrggbbTable = std::array<uint32_t, kSysColorCount>;

constexpr SysColorTable ToSysColors(const RrggbbTable& rrggbb) {
  SysColorTable colors{};
  for (size_t i = 0; i < colors.size(); ++i)
    colors[i] = ColorFromRrggbb(rrggbb[i]);
  return colors;
}

// System colours, red first, in index order:
//   0 scroll bar, 1 desktop, 2 active caption, 3 inactive caption, 4 menu, 5 window,
//   6 window frame, 7 menu text, 8 window text, 9 caption text, 10 active border,
//   11 inactive border, 12 application workspace, 13 highlight, 14 highlight text,
//   15 button face, 16 button shadow, 17 grey text, 18 button text, 19 inactive caption
//   text, 20 button highlight, 21 3-D dark shadow, 22 3-D light, 23 tooltip text,
//   24 tooltip background, 25 (unused), 26 hot-tracking, 27 active caption gradient,
//   28 inactive caption gradient, 29 menu highlight, 30 menu bar.
struct ClassicScheme {
  std::string_view name;
  RrggbbTable colors;
};

constexpr std::array kClassicSchemes = {
    ClassicScheme{"Windows Standard",
                  {0xD4D0C8, 0x3A6EA5, 0x0A246A, 0x808080, 0xD4D0C8, 0xFFFFFF, 0x000000, 0x000000,
                   0x000000, 0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x0A246A, 0xFFFFFF, 0xD4D0C8,
                   0x808080, 0x808080, 0x000000, 0xD4D0C8, 0xFFFFFF, 0x404040, 0xD4D0C8, 0x000000,
                   0xFFFFE1, 0xB5B5B5, 0x000080, 0xA6CAF0, 0xC0C0C0, 0x0A246A, 0xD4D0C8}},
    ClassicScheme{"Windows Classic",
                  {0xC0C0C0, 0x008080, 0x000080, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000,
                   0x000000, 0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x000080, 0xFFFFFF, 0xC0C0C0,
                   0x808080, 0x808080, 0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000,
                   0xFFFFE1, 0xB5B5B5, 0x0000FF, 0x1084D0, 0xB5B5B5, 0x000080, 0xC0C0C0}},
    ClassicScheme{"Brick",
                  {0xC2BFA5, 0x400000, 0x800000, 0x8D8961, 0xC2BFA5, 0xFFFFFF, 0x000000, 0x000000,
                   0x000000, 0xFFFFFF, 0xC2BFA5, 0xC2BFA5, 0x8D8961, 0x8D8961, 0xFFFFFF, 0xC2BFA5,
                   0x8D8961, 0x8D8961, 0x000000, 0xE1E0D2, 0xE1E0D2, 0x000000, 0xC2BFA5, 0x000000,
                   0xFFFFE1, 0xB5B5B5, 0x800000, 0xE0A080, 0xD8D5C7, 0x8D8961, 0xC2BFA5}},
    ClassicScheme{"Desert",
                  {0xD5CCBB, 0xA28D68, 0x008080, 0xA28D68, 0xD5CCBB, 0xFFFFFF, 0x000000, 0x000000,
                   0x000000, 0xFFFFFF, 0xD5CCBB, 0xD5CCBB, 0xA28D68, 0x008080, 0xFFFFFF, 0xD5CCBB,
                   0xA28D68, 0xA28D68, 0x000000, 0xD5CCBB, 0xEAE6DD, 0x000000, 0xD5CCBB, 0x000000,
                   0xFFFFE1, 0xB5B5B5, 0x008080, 0x80C0C0, 0xC8BCA6, 0x008080, 0xD5CCBB}},
    ClassicScheme{"Marine (High Color)",
                  {0x88C0B8, 0x004040, 0x000080, 0x488980, 0x88C0B8, 0xC8E0D8, 0x000000, 0x000000,
                   0x000000, 0xFFFFFF, 0x88C0B8, 0x88C0B8, 0x488980, 0x000080, 0xFFFFFF, 0x88C0B8,
                   0x488980, 0x488980, 0x000000, 0xC8E0D8, 0xC8E0D8, 0x000000, 0x88C0B8, 0x000000,
                   0xFFFFE1, 0xB5B5B5, 0x000080, 0x0080C0, 0x70A8A0, 0x000080, 0x88C0B8}},
    ClassicScheme{"Rose",
                  {0xCFAFB7, 0x9F6070, 0x9F6070, 0xB88E99, 0xCFAFB7, 0xFFFFFF, 0x000000, 0x000000,
                   0x000000, 0xFFFFFF, 0xCFAFB7, 0xCFAFB7, 0x9F6070, 0x9F6070, 0xFFFFFF, 0xCFAFB7,
                   0x9F6070, 0x9F6070, 0x000000, 0xFFFFFF, 0xE3D1D6, 0x000000, 0xCFAFB7, 0x000000,
                   0xFFFFE1, 0xB5B5B5, 0x9F6070, 0xD8A8B4, 0xDCC4CA, 0x9F6070, 0xCFAFB7}},
    ClassicScheme{"Spruce",
                  {0xA2C8A9, 0x3F6F47, 0x599764, 0x80B08A, 0xA2C8A9, 0xFFFFFF, 0x000000, 0x000000,
                   0x000000, 0xFFFFFF, 0xA2C8A9, 0xA2C8A9, 0x599764, 0x599764, 0xFFFFFF, 0xA2C8A9,
                   0x599764, 0x599764, 0x000000, 0x000000, 0xD0E4D4, 0x000000, 0xA2C8A9, 0x000000,
                   0xFFFFE1, 0xB5B5B5, 0x599764, 0x9CCFA7, 0xC4DCC9, 0x599764, 0xA2C8A9}},
    ClassicScheme{"Teal (VGA)",
                  {0xC0C0C0, 0x008080, 0x008080, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000,
                   0x000000, 0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x008080, 0xFFFFFF, 0xC0C0C0,
                   0x808080, 0x808080, 0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000,
                   0xFFFFE1, 0xB5B5B5, 0x008080, 0x00C0C0, 0xC0C0C0, 0x008080, 0xC0C0C0}},
    ClassicScheme{"Wheat",
                  {0xDEDEA0, 0xA0A064, 0x808000, 0xC0C080, 0xDEDEA0, 0xFFFFFF, 0x000000, 0x000000,
                   0x000000, 0xFFFFFF, 0xDEDEA0, 0xDEDEA0, 0xA0A064, 0x808000, 0xFFFFFF, 0xDEDEA0,
                   0xA0A064, 0xA0A064, 0x000000, 0x000000, 0xF3F3DB, 0x000000, 0xDEDEA0, 0x000000,
                   0xFFFFE1, 0xB5B5B5, 0x808000, 0xC0C060, 0xE8E8C0, 0x808000, 0xDEDEA0}},
    ClassicScheme{"High Contrast #1",
                  {0x000000, 0x000000, 0x0000FF, 0x00FFFF, 0x000000, 0x000000, 0xFFFF00, 0xFFFF00,
                   0xFFFF00, 0xFFFFFF, 0x0000FF, 0x00FFFF, 0x000000, 0x008000, 0xFFFFFF, 0x000000,
                   0x808080, 0x00FF00, 0xFFFF00, 0x000000, 0xFFFFFF, 0x808080, 0xC0C0C0, 0xFFFF00,
                   0x000000, 0xB5B5B5, 0x00FF00, 0x0000FF, 0x00FFFF, 0x008000, 0x000000}},
    ClassicScheme{"High Contrast #2",
                  {0x000000, 0x000000, 0x0000FF, 0x00FFFF, 0x000000, 0x000000, 0x00FF00, 0x00FF00,
                   0x00FF00, 0xFFFFFF, 0x0000FF, 0x00FFFF, 0x000000, 0x0000FF, 0xFFFFFF, 0x000000,
                   0x808080, 0x808080, 0x00FF00, 0x000000, 0xFFFFFF, 0x808080, 0xC0C0C0, 0x00FF00,
                   0x000000, 0xB5B5B5, 0xFFFF00, 0x0000FF, 0x00FFFF, 0x0000FF, 0x000000}},
    ClassicScheme{"High Contrast Black",
                  {0x000000, 0x000000, 0x800080, 0x008000, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF,
                   0xFFFFFF, 0xFFFFFF, 0xFFFF00, 0x008000, 0x000000, 0x800080, 0xFFFFFF, 0x000000,
                   0x808080, 0x00FF00, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x808080, 0xC0C0C0, 0xFFFFFF,
                   0x000000, 0xB5B5B5, 0x00FF00, 0x800080, 0x008000, 0x800080, 0x000000}},
    ClassicScheme{"High Contrast White",
                  {0xFFFFFF, 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000,
                   0x000000, 0xFFFFFF, 0x808080, 0xC0C0C0, 0x808080, 0x000000, 0xFFFFFF, 0xFFFFFF,
                   0x808080, 0x008000, 0x000000, 0x000000, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000,
                   0xFFFFFF, 0xB5B5B5, 0x800080, 0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF}},
};

// The five "Button" colour hints a style offers, red first.
struct ButtonHints {
  uint32_t accent;         // check box, checked and hot: accent colour
  uint32_t defaultAccent;  // push button, defaulted: accent colour
  uint32_t defaultBorder;  // push button, defaulted: border colour
  uint32_t normalFill;     // push button, normal: fill colour
  uint32_t defaultFill;    // push button, defaulted: fill colour
};

struct StyledScheme {
  std::string_view name;
  OsVersion version;
  std::string_view fileName;
  std::string_view colorName;
  RrggbbTable colors;
  ButtonHints hints;
};

constexpr OsVersion kVersion51{PlatformId::kNT, 5, 1, 2600};
constexpr OsVersion kVersion60{PlatformId::kNT, 6, 0, 6000};
constexpr std::string_view kStyleFile51 =
    "C:\\WINDOWS\\Resources\\Themes\\Standard\\Standard.msstyles";
constexpr std::string_view kStyleFile60 = "C:\\Windows\\Resources\\Themes\\Glass\\Glass.msstyles";
constexpr std::string_view kStyleSizeName = "NormalSize";
constexpr std::string_view kClassicAppearanceOfStyledDesktop = "Windows Standard";

constexpr std::array kStyledSchemes = {
    StyledScheme{kPresetStyledNormalColor,
                 kVersion51,
                 kStyleFile51,
                 "NormalColor",
                 {0xD4D0C8, 0x004E98, 0x0054E3, 0x7A96DF, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000,
                  0x000000, 0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x316AC5, 0xFFFFFF, 0xECE9D8,
                  0xACA899, 0xACA899, 0x000000, 0xD8E4F8, 0xFFFFFF, 0x716F64, 0xF1EFE2, 0x000000,
                  0xFFFFE1, 0xB5B5B5, 0x000080, 0x3D95FF, 0x9DB9EB, 0x316AC5, 0xECE9D8},
                 {0xF8B330, 0x7BA2E7, 0x003C74, 0xF5F4EA, 0xF0EFE6}},
    StyledScheme{kPresetStyledHomeStead,
                 kVersion51,
                 kStyleFile51,
                 "HomeStead",
                 {0xD4D0C8, 0x004E98, 0x8BA169, 0xBDCCA2, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000,
                  0x000000, 0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x93A070, 0xFFFFFF, 0xECE9D8,
                  0xACA899, 0xACA899, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x716F64, 0xF1EFE2, 0x000000,
                  0xFFFFE1, 0xB5B5B5, 0x000080, 0xC0CBA0, 0xDCDFC6, 0x93A070, 0xECE9D8},
                 {0xF2B54B, 0xB2C28A, 0x3A5D30, 0xF6F5EC, 0xF1F0E6}},
    StyledScheme{kPresetStyledMetallic,
                 kVersion51,
                 kStyleFile51,
                 "Metallic",
                 {0xD4D0C8, 0x004E98, 0xC0C0C0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000,
                  0x000000, 0x0E1010, 0xD4D0C8, 0xD4D0C8, 0x808080, 0xB2B4BF, 0x000000, 0xE0DFE3,
                  0x9D9DA1, 0xACA899, 0x000000, 0x000000, 0xFFFFFF, 0x716F64, 0xF1EFE2, 0x000000,
                  0xFFFFE1, 0xB5B5B5, 0x000080, 0xB9B9C8, 0xECEEF2, 0xB2B4BF, 0xE0DFE3},
                 {0xF8B330, 0xC6C5D7, 0x4A4A6B, 0xFCFCFE, 0xF4F4F8}},
    StyledScheme{kPresetVersion6,
                 kVersion60,
                 kStyleFile60,
                 "NormalColor",
                 {0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
                  0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
                  0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
                  0xFFFFE1, 0xB5B5B5, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0},
                 {0x3399FF, 0x3C7FB1, 0x2C628B, 0xF2F2F2, 0xEBF4FB}},
};

// Window classes the styles have data for.
constexpr std::array<std::string_view, 7> kStyledClasses = {
    "Button", "Edit", "ListView", "Rebar", "ScrollBar", "Toolbar", "Window"};

constexpr std::string_view kButtonClass = "Button";

std::vector<ThemeColorEntry> ButtonHintEntries(const ButtonHints& hints) {
  auto entry = [](int part, int state, int property, uint32_t rrggbb) {
    return ThemeColorEntry{std::string(kButtonClass), part, state, property,
                           ColorFromRrggbb(rrggbb)};
  };
  return {
      entry(BP_CHECKBOX, CBS_CHECKEDHOT, TMT_ACCENTCOLORHINT, hints.accent),
      entry(BP_PUSHBUTTON, PBS_DEFAULTED, TMT_ACCENTCOLORHINT, hints.defaultAccent),
      entry(BP_PUSHBUTTON, PBS_DEFAULTED, TMT_BORDERCOLORHINT, hints.defaultBorder),
      entry(BP_PUSHBUTTON, PBS_NORMAL, TMT_FILLCOLORHINT, hints.normalFill),
      entry(BP_PUSHBUTTON, PBS_DEFAULTED, TMT_FILLCOLORHINT, hints.defaultFill),
  };
}

DesktopState ClassicState(const ClassicScheme& scheme) {
  DesktopState state;
  state.version = kVersion51;
  state.sysColors = ToSysColors(scheme.colors);
  state.appearance = AppearanceName(std::string(scheme.name));
  return state;
}

DesktopState StyledState(const StyledScheme& scheme) {
  DesktopState state;
  state.version = scheme.version;
  state.sysColors = ToSysColors(scheme.colors);
  // A version-6 desktop no longer stores a classic appearance name.
  state.appearance = IsVistaFamily(scheme.version)
                         ? AppearanceValue{AppearanceValue::Status::kValueMissing, {}}
                         : AppearanceName(std::string(kClassicAppearanceOfStyledDesktop));
  state.appStyled = true;
  state.visualStyle = VisualStyle{std::string(scheme.fileName),
                                  std::string(scheme.colorName),
                                  std::string(kStyleSizeName),
                                  true,
                                  {kStyledClasses.begin(), kStyledClasses.end()},
                                  ButtonHintEntries(scheme.hints)};
  return state;
}

}  // namespace

std::vector<std::string_view> DesktopPresetNames() {
  std::vector<std::string_view> names;
  for (const ClassicScheme& scheme : kClassicSchemes)
    names.push_back(scheme.name);
  for (const StyledScheme& scheme : kStyledSchemes)
    names.push_back(scheme.name);
  return names;
}

std::optional<DesktopState> FindDesktopPreset(std::string_view name) {
  for (const ClassicScheme& scheme : kClassicSchemes) {
    if (scheme.name == name) return ClassicState(scheme);
  }
  for (const StyledScheme& scheme : kStyledSchemes) {
    if (scheme.name == name) return StyledState(scheme);
  }
  return std::nullopt;
}

DesktopState DefaultDesktopState() {
  return *FindDesktopPreset(kDefaultDesktopPreset);
}

}  // namespace wayband::platform
