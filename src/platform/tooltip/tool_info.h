// The records and constants of tooltip windows (window class "tooltips_class32"): window
// styles, the class-style bit for a drop shadow, tool flags and the tool record that the
// tool operations take.
#pragma once

#include <cstdint>
#include <string>

#include "platform/geometry.h"
#include "platform/host/window_system.h"

namespace wayband::platform {

inline constexpr const char* kTooltipClassName = "tooltips_class32";

// Window styles of a tooltip window.
inline constexpr uint32_t TTS_ALWAYSTIP = 0x01;  // show while the owner is inactive too
inline constexpr uint32_t TTS_NOPREFIX = 0x02;   // show "&" as typed
inline constexpr uint32_t TTS_BALLOON = 0x40;

// Class styles (GetClassLong/SetClassLong with GCL_STYLE).
inline constexpr int32_t GCL_STYLE = -26;
inline constexpr uint32_t CS_SAVEBITS = 0x0800;
inline constexpr uint32_t CS_DROPSHADOW = 0x20000;

// Tool flags.
inline constexpr uint32_t TTF_IDISHWND = 0x001;  // uId is the tool's window
inline constexpr uint32_t TTF_CENTERTIP = 0x002;
inline constexpr uint32_t TTF_SUBCLASS = 0x010;  // the tip watches the tool window's mouse
inline constexpr uint32_t TTF_TRANSPARENT = 0x100;

// cbSize of the tool record the operations accept.
inline constexpr uint32_t kToolInfoSize = 44;

// The tool record (TOOLINFOW). A tool is identified by hwnd and uId together.
struct ToolInfo {
  uint32_t cbSize = kToolInfoSize;
  uint32_t uFlags = 0;
  host::WindowHandle hwnd = host::kNoWindow;
  uintptr_t uId = 0;
  Rect rect;
  // UTF-8. Adding or updating a tool reads it up to its first NUL. Enumerating treats it
  // as the caller's text buffer: its size is the buffer's capacity in bytes (0: no text
  // wanted), and the tool's text is written at its start with a terminating NUL, cut to
  // fit; the bytes after the NUL stay as the caller left them.
  std::string text;
};

// The uId of a tool that stands for a whole window (TTF_IDISHWND).
constexpr uintptr_t ToolIdOfWindow(host::WindowHandle window) {
  return static_cast<uintptr_t>(static_cast<uint32_t>(window));
}

}  // namespace wayband::platform
