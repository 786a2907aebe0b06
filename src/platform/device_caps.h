// GetDeviceCaps for the two capabilities the controls read: the display's bits per pixel
// and its logical pixels per inch. Every drawing context of this platform is compatible
// with the display, so every context answers with the display's values from the current
// desktop settings, whatever bitmap it holds.
#pragma once

namespace wayband::platform {

class DrawingContext;

inline constexpr int BITSPIXEL = 12;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

// GetDeviceCaps of a context; 0 for an index this platform does not report.
int GetDeviceCaps(const DrawingContext& context, int index);

// GetDeviceCaps of the desktop window's context (GetDC(GetDesktopWindow()), released
// again at once).
int DesktopDeviceCaps(int index);

}  // namespace wayband::platform
