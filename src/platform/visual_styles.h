// The visual-style service: whether the application is drawn with the current visual
// style, the style's names, and its colour properties per window class. Everything
// answers from the current desktop settings, and every query can fail: the optional
// library may be missing, no style may be active, a window may have opted out, a class
// may have no data, a property may not be defined.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/color.h"

namespace wayband::platform {

// Handle of opened style data; 0 is no handle.
using ThemeHandle = uint32_t;

// Parts, states and colour properties of the "Button" class the controls query.
inline constexpr int BP_PUSHBUTTON = 1;
inline constexpr int BP_CHECKBOX = 3;
inline constexpr int PBS_NORMAL = 1;
inline constexpr int PBS_DEFAULTED = 5;
inline constexpr int CBS_CHECKEDHOT = 6;
inline constexpr int TMT_FILLCOLORHINT = 3821;
inline constexpr int TMT_BORDERCOLORHINT = 3822;
inline constexpr int TMT_ACCENTCOLORHINT = 3823;

// IsAppThemed: the library is present, a style is active and the application uses it.
bool IsAppThemed();

// OpenThemeData: style data for the window (a host window handle, 0 for none) and the first class
// of the semicolon-separated list the style has data for (class names compare without regard to
// case). 0 when the application is not styled, the window opted out of style data, or no class
// matches.
ThemeHandle OpenThemeData(int32_t window, std::string_view classList);
// CloseThemeData: false for a handle that is not open.
bool CloseThemeData(ThemeHandle theme);
// Handles currently open (for leak checks).
size_t OpenThemeHandleCount();

// GetCurrentThemeName: writes the style's file, colour and size names, each NUL-terminated,
// into the three buffers. Fails (false, buffers untouched) when the library is missing, no
// style is active, the names cannot be read, or a name does not fit its buffer.
bool GetCurrentThemeName(std::span<char> fileName, std::span<char> colorName,
                         std::span<char> sizeName);

// GetThemeColor: the colour property for part and state of the handle's class. A state
// without its own value takes the part's (state 0), a part without one the class's
// (part 0, state 0). False when the handle is not open or nothing defines the property.
bool GetThemeColor(ThemeHandle theme, int part, int state, int property, ColorRef* color);

}  // namespace wayband::platform
