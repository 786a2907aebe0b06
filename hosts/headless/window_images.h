// What the headless host's windows show when a control paints them itself: one image per
// window, kept between frames at the window's client size, with a drawing context whose
// state (font, colours, modes) persists like a window's own. Each frame a control
// presents is added to the host's record.
#pragma once

#include <map>

#include "headless/host_record.h"
#include "headless/virtual_windows.h"
#include "platform/drawing_context.h"
#include "platform/host/window_image.h"

namespace wayband::headless {

class WindowImages {
 public:
  // What is recorded of each presented frame: nothing, or its window and size, with its
  // pixels too when `pixels`.
  struct Recording {
    bool frames = true;
    bool pixels = true;
  };
  WindowImages(const VirtualWindows& windows, HostRecord& record, Recording recording);
  WindowImages(const WindowImages&) = delete;
  WindowImages& operator=(const WindowImages&) = delete;

  // The window's drawing context. Its bitmap has the window's client size; after a change
  // of size a new bitmap replaces it, keeping the pixels that still fit (the rest start
  // black). Null while the window has no area or is not a window.
  platform::DrawingContext* Context(host::WindowHandle window);
  // Fills the window's image with a plain colour.
  void Clear(host::WindowHandle window, platform::ColorRef color);
  // Records a frame of `frame` pixels (clipped to the image) presented to the window.
  void Present(host::WindowHandle window, platform::Size frame);
  // What the window shows now; null when nothing was drawn to it.
  const platform::Bitmap* Image(host::WindowHandle window) const;
  // Drops the window's image (the window is gone).
  void Forget(host::WindowHandle window);

 private:
  const VirtualWindows& windows_;
  HostRecord& record_;
  Recording recording_;
  std::map<host::WindowHandle, host::WindowImage> images_;
};

}  // namespace wayband::headless
