// Named desktop settings a host or test can choose: the classic appearance schemes, the
// three colour variants of the operating system's visual style, and a version-6 desktop.
// Each carries a full set of system colours and what the registry and the visual-style
// service report with it.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/desktop_settings.h"

namespace wayband::platform {

// Classic schemes go by the names the appearance setting stores ("Windows Standard",
// "High Contrast Black", "Marine (High Color)" ...); the styled ones by their colour
// variant.
inline constexpr std::string_view kPresetStyledNormalColor = "Styled NormalColor";
inline constexpr std::string_view kPresetStyledHomeStead = "Styled HomeStead";
inline constexpr std::string_view kPresetStyledMetallic = "Styled Metallic";
inline constexpr std::string_view kPresetVersion6 = "Version 6 Styled";
inline constexpr std::string_view kDefaultDesktopPreset = kPresetStyledNormalColor;

// Names of all presets, classic ones first.
std::vector<std::string_view> DesktopPresetNames();

// The settings of a preset; nothing for an unknown name (names compare exactly).
std::optional<DesktopState> FindDesktopPreset(std::string_view name);

// The preset settings start with: the styled normal-colour variant.
DesktopState DefaultDesktopState();

}  // namespace wayband::platform
