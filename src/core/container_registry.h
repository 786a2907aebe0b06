// The library's containers as the bar control reaches them when the desktop's colours
// change. Each NorvaleContainer registers itself for its lifetime; the bar control asks the
// containers on its own form to refresh their colours. The registry is process-wide and
// holds weak references, so a container that goes while others refresh is skipped.
#pragma once

#include <memory>

#include "platform/host/window_system.h"

namespace wayband::core {

class ContainerColours {
 public:
  virtual ~ContainerColours() = default;
  // The window system the container's window lives in, and that window (0 for none).
  virtual const host::WindowSystem* ContainerWindows() const = 0;
  virtual host::WindowHandle ContainerWindow() const = 0;
  // Repaints and gives contained controls that follow the system window colour its
  // current value.
  virtual void RefreshColours() = 0;
};

// Registers the container until it is destroyed (entries of expired containers are
// dropped as they are met).
void RegisterContainer(const std::weak_ptr<ContainerColours>& container);

// The top-level window that `window` is inside (itself when it has no parent); 0 when it
// is not a window.
host::WindowHandle FormWindowOf(const host::WindowSystem& windows, host::WindowHandle window);

// Runs RefreshColours on every registered container of `windows` whose window is inside
// `form`, in the order they registered. The containers may run host code that creates or
// destroys controls, the bar control included.
void RefreshContainersOnForm(const host::WindowSystem& windows, host::WindowHandle form);

}  // namespace wayband::core
