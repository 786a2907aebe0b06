// The headless host's window system: virtual windows with a parent, a rectangle in the
// parent's client pixels (screen pixels for top-level windows), visibility, a stacking
// order among siblings, an owning process and a mouse pointer. The window under a screen
// point is found from that geometry alone, and injected mouse input goes to the window
// under the point, or to the window that holds the capture while a button is down. Every
// window starts with its own procedure, which records the messages it handles; hooks may
// put theirs in front of it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "headless/host_record.h"
#include "platform/host/window_system.h"

namespace wayband::headless {

class VirtualWindows : public host::WindowSystem {
 public:
  VirtualWindows(HostRecord& record, uint32_t processId, double twipsPerPixelX,
                 double twipsPerPixelY);

  // A new window in front of its siblings; a parent of 0 makes a top-level window. Returns
  // 0 when the parent is given but is not a window.
  host::WindowHandle CreateWindow(host::WindowHandle parent, platform::Rect rect, bool visible,
                                  std::string name, uint32_t processId = 0);
  // Destroys the window and its descendants.
  void DestroyWindow(host::WindowHandle window);
  bool SetWindowRect(host::WindowHandle window, platform::Rect rect);
  bool ShowWindow(host::WindowHandle window, bool visible);
  // Moves the window under another parent, in front of its new siblings, keeping its
  // rectangle relative to the parent.
  bool SetParent(host::WindowHandle window, host::WindowHandle parent);
  bool BringToFront(host::WindowHandle window);
  bool SendToBack(host::WindowHandle window);
  std::string WindowName(host::WindowHandle window) const;
  // The rectangle in the parent's client pixels.
  platform::Rect GetLocalRect(host::WindowHandle window) const;
  bool IsShown(host::WindowHandle window) const;

  void SetCursorPos(platform::Point screen) { cursor_ = screen; }
  // Injected input at a screen point; the cursor moves there first. Coordinates reach
  // the sink in twips of the receiving window's client area.
  void InjectMouseDown(platform::Point screen, int16_t button, int16_t shift);
  void InjectMouseMove(platform::Point screen, int16_t button, int16_t shift);
  void InjectMouseUp(platform::Point screen, int16_t button, int16_t shift);
  host::WindowHandle CaptureWindow() const { return capture_; }

  // host::WindowSystem
  bool IsWindow(host::WindowHandle window) const override;
  host::WindowHandle GetParent(host::WindowHandle window) const override;
  std::vector<host::WindowHandle> GetChildren(host::WindowHandle window) const override;
  platform::Rect GetWindowRect(host::WindowHandle window) const override;
  platform::Rect GetClientRect(host::WindowHandle window) const override;
  bool IsWindowVisible(host::WindowHandle window) const override;
  uint32_t GetWindowProcessId(host::WindowHandle window) const override;
  uint32_t GetCurrentProcessId() const override { return processId_; }
  platform::Point GetCursorPos() const override { return cursor_; }
  host::WindowHandle WindowFromPoint(platform::Point screen) const override;
  std::optional<platform::Point> ScreenToClient(host::WindowHandle window,
                                                platform::Point screen) const override;
  host::MousePointer GetMousePointer(host::WindowHandle window) const override;
  void SetMousePointer(host::WindowHandle window, host::MousePointer pointer) override;
  void SetMouseInputSink(host::WindowHandle window, host::MouseInputSink* sink) override;
  std::vector<host::WindowHandle> TopLevelWindows() const override { return topLevel_; }
  host::WindowProcedureRef GetWindowProcedure(host::WindowHandle window) const override;
  bool SetWindowProcedure(host::WindowHandle window, host::WindowProcedureRef procedure) override;
  intptr_t SendMessage(host::WindowHandle window, const host::WindowMessage& message) override;

 private:
  struct Window {
    host::WindowHandle parent = host::kNoWindow;
    platform::Rect rect;
    bool visible = false;
    uint32_t processId = 0;
    std::string name;
    host::MousePointer pointer = host::MousePointer::kDefault;
    host::MouseInputSink* sink = nullptr;
    host::WindowProcedureRef procedure;
    std::vector<host::WindowHandle> children;  // front first
  };
  enum class MouseAction { kDown, kMove, kUp };

  const Window* Find(host::WindowHandle window) const;
  Window* Find(host::WindowHandle window);
  std::vector<host::WindowHandle>& Siblings(host::WindowHandle window);
  host::WindowHandle DeepestAt(host::WindowHandle window, platform::Point screen) const;
  void Inject(MouseAction action, platform::Point screen, int16_t button, int16_t shift);

  HostRecord& record_;
  uint32_t processId_;
  double twipsPerPixelX_;
  double twipsPerPixelY_;
  std::map<host::WindowHandle, Window> windows_;
  std::vector<host::WindowHandle> topLevel_;  // front first
  host::WindowHandle nextHandle_ = 0x10010;
  platform::Point cursor_;
  host::WindowHandle capture_ = host::kNoWindow;
};

}  // namespace wayband::headless
