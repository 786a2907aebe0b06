#include "core/container_registry.h"

#include <vector>

namespace wayband::core {

namespace {

std::vector<std::weak_ptr<ContainerColours>>& Registered() {
  static std::vector<std::weak_ptr<ContainerColours>> containers;
  return containers;
}

}  // namespace

void RegisterContainer(const std::weak_ptr<ContainerColours>& container) {
  auto& containers = Registered();
  std::erase_if(containers, [](const auto& entry) { return entry.expired(); });
  containers.push_back(container);
}

host::WindowHandle FormWindowOf(const host::WindowSystem& windows, host::WindowHandle window) {
  if (!windows.IsWindow(window)) return host::kNoWindow;
  // Parents are live windows, and a window is never its own ancestor, so this ends.
  for (host::WindowHandle up = windows.GetParent(window); up != host::kNoWindow;
       up = windows.GetParent(window)) {
    window = up;
  }
  return window;
}

void RefreshContainersOnForm(const host::WindowSystem& windows, host::WindowHandle form) {
  if (form == host::kNoWindow) return;
  // A copy: refreshing may register or destroy containers.
  const std::vector<std::weak_ptr<ContainerColours>> containers = Registered();
  for (const auto& entry : containers) {
    const std::shared_ptr<ContainerColours> container = entry.lock();
    if (!container || container->ContainerWindows() != &windows) continue;
    if (FormWindowOf(windows, container->ContainerWindow()) == form) container->RefreshColours();
  }
}

}  // namespace wayband::core
