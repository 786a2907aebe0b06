// The window system a host gives its controls: handles, parent and child windows, screen
// rectangles, visibility and stacking order, the owning process, the cursor, the window
// under a screen point, screen-to-client conversion, per-window mouse pointers and the
// routing of mouse input to the code that handles a window, and the windows' message
// procedures (the stand-in for window subclassing).
//
// Every query answers for any handle: a handle that is not (or no longer) a window gives
// the empty answer (false, 0, an empty rectangle, nothing) and changes nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/geometry.h"
#include "platform/host/window_messages.h"

namespace wayband::host {

// A window handle (window_messages.h); 0 is no window. Handles are not reused while the
// host runs.
inline constexpr WindowHandle kNoWindow = 0;

// Mouse pointers, numbered as the platform's MousePointer property. The custom pointer of
// a control and its strips is the hand cursor kept with the control's design.
enum class MousePointer : int16_t {
  kDefault = 0,
  kArrow = 1,
  kSizeNS = 7,  // the north-south sizing arrow
  kCustom = 99,
};

// Mouse buttons as the handlers receive them (sums for several).
inline constexpr int16_t kLeftButton = 1;
inline constexpr int16_t kRightButton = 2;
inline constexpr int16_t kMiddleButton = 4;

// The code that handles one window's mouse input. Coordinates are twips relative to the
// window's client area, in single precision as the platform delivers them.
class MouseInputSink {
 public:
  virtual ~MouseInputSink() = default;
  virtual void MouseDown(int16_t button, int16_t shift, float x, float y) = 0;
  virtual void MouseMove(int16_t button, int16_t shift, float x, float y) = 0;
  virtual void MouseUp(int16_t button, int16_t shift, float x, float y) = 0;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  virtual bool IsWindow(WindowHandle window) const = 0;
  virtual WindowHandle GetParent(WindowHandle window) const = 0;
  // The child windows, front (top of the stacking order) first.
  virtual std::vector<WindowHandle> GetChildren(WindowHandle window) const = 0;
  // The window's rectangle in screen pixels.
  virtual platform::Rect GetWindowRect(WindowHandle window) const = 0;
  // The client area: (0, 0, width, height) in pixels.
  virtual platform::Rect GetClientRect(WindowHandle window) const = 0;
  // True when the window and all its ancestors are visible.
  virtual bool IsWindowVisible(WindowHandle window) const = 0;
  // The process that created the window (0 for no window).
  virtual uint32_t GetWindowProcessId(WindowHandle window) const = 0;
  virtual uint32_t GetCurrentProcessId() const = 0;

  virtual platform::Point GetCursorPos() const = 0;
  // The deepest visible window at a screen point, taking the stacking order into account;
  // 0 when the point is on no window of the host.
  virtual WindowHandle WindowFromPoint(platform::Point screen) const = 0;
  // The point in the window's client pixels; nothing when it is not a window.
  virtual std::optional<platform::Point> ScreenToClient(WindowHandle window,
                                                        platform::Point screen) const = 0;

  virtual MousePointer GetMousePointer(WindowHandle window) const = 0;
  virtual void SetMousePointer(WindowHandle window, MousePointer pointer) = 0;

  // Routes the window's mouse input to `sink` (null: nobody). The sink must stay alive
  // while it is set.
  virtual void SetMouseInputSink(WindowHandle window, MouseInputSink* sink) = 0;

  // --- Messages ---------------------------------------------------------------------------
  // A host that delivers no messages to its windows keeps these defaults: no procedure can
  // be read or replaced, and controls fall back to polling what they would have watched.
  //
  // The top-level windows of the host, front first.
  virtual std::vector<WindowHandle> TopLevelWindows() const { return {}; }
  // The window's current procedure; null when it is not a window.
  virtual WindowProcedureRef GetWindowProcedure(WindowHandle /*window*/) const { return nullptr; }
  // Makes `procedure` the window's procedure; false, and nothing changes, when the window
  // is not a window or the procedure is null.
  virtual bool SetWindowProcedure(WindowHandle /*window*/, WindowProcedureRef /*procedure*/) {
    return false;
  }
  // Delivers the message to the window's procedure now and returns its result; 0 when it
  // is not a window.
  virtual intptr_t SendMessage(WindowHandle /*window*/, const WindowMessage& /*message*/) {
    return 0;
  }
};

}  // namespace wayband::host
