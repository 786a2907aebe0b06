// Window messages: the notifications a host delivers to its windows, and the procedure
// that handles them. Each window has one procedure; whoever replaces it keeps the one it
// replaced and passes messages on to it, so procedures form a chain per window. A
// procedure is an object held by shared pointer, so that a chain link can tell whether it
// is still the window's current procedure.
#pragma once

#include <cstdint>
#include <memory>

namespace wayband::host {

using WindowHandle = int32_t;

// The notifications the controls watch on their form's window.
inline constexpr uint32_t WM_SYSCOLORCHANGE = 0x15;
inline constexpr uint32_t WM_SETTINGCHANGE = 0x1A;
inline constexpr uint32_t WM_DISPLAYCHANGE = 0x7E;
inline constexpr uint32_t WM_ENTERSIZEMOVE = 0x231;
inline constexpr uint32_t WM_THEMECHANGED = 0x31A;

struct WindowMessage {
  uint32_t message = 0;
  intptr_t wParam = 0;
  intptr_t lParam = 0;
};

class WindowProcedure {
 public:
  virtual ~WindowProcedure() = default;
  // Handles the message for `window` and returns its result. May run any host code,
  // including code that replaces this procedure or destroys the window.
  virtual intptr_t Handle(WindowHandle window, const WindowMessage& message) = 0;
};

using WindowProcedureRef = std::shared_ptr<WindowProcedure>;

}  // namespace wayband::host
