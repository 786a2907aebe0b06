// The scheme update of a control: read the user's appearance scheme, build a fresh palette
// and tell whether the colours that matter changed; plus the two places that run it for a
// control that cannot watch its form's notifications (the 1250 ms poll and the start of
// every refresh).
#pragma once

#include <cstdint>
#include <string>

#include "render/scheme/scheme_palette.h"

namespace wayband::platform {
class DrawingContext;
}

namespace wayband::render {

// The value "Current" of "Control Panel\Appearance" for the current user: the stored
// characters without a terminating NUL; empty when the key or value is missing, cannot be
// read, or is empty.
std::string ReadAppearanceScheme();

// A palette for the current scheme as a control in `window` sees it, with the styled
// argument given (containers and the icon page always pass true).
SchemePalette BuildCurrentPalette(int32_t window, bool styled);

// The slots whose change makes a scheme update report a change: HotFill, SelectedFill,
// FaceTint and StyledBarTop.
bool SchemeColorsChanged(const SchemePalette& before, const SchemePalette& after);

// Rebuilds `palette` for the control in `window` (styled when that window is drawn with a
// visual style). Returns 1 when any of the watched slots changed, else 0.
int32_t UpdateColorScheme(SchemePalette& palette, int32_t window);

// What a control offers the scheme code so that its palette can follow the scheme. The
// bar control implements it; the poll timer and the refresh call into the functions below.
class SchemeControl {
 public:
  virtual ~SchemeControl() = default;

  virtual int32_t SchemeWindow() const = 0;   // the control's window handle
  virtual SchemePalette& SchemeColors() = 0;  // the control's palette
  virtual bool PollingNeeded() const = 0;     // the parent window is not hooked
  virtual const platform::DrawingContext* SchemeDrawingContext() const = 0;  // may be null
  virtual void Refresh() = 0;                                                // layout and repaint
  virtual void RefreshNorvaleContainers() = 0;  // contained containers re-read their colours
};

// UpdateColorScheme on the control's palette and window.
int32_t UpdateColorScheme(SchemeControl& control);

// The poll timer's tick: update the scheme and, only when it changed, re-check the display
// depth on the control's context, refresh the control and its containers.
void ColorTimerThatTime(SchemeControl& control);

// The start of every refresh: a control that polls re-reads the scheme first (the result
// is not used; the refresh repaints anyway).
void SchemeRefreshHook(SchemeControl& control);

}  // namespace wayband::render
