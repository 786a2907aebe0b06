// The desktop's change notifications as the system broadcasts them: whenever the desktop
// settings change, every top-level window of the process receives one message per kind
// of change, in this order: WM_DISPLAYCHANGE (display depth or DPI), WM_SYSCOLORCHANGE
// (a system colour), WM_SETTINGCHANGE (version or appearance scheme), WM_THEMECHANGED
// (the visual style). A host keeps one broadcast for its window system.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/desktop_settings.h"
#include "platform/host/window_system.h"

namespace wayband::platform {

// The messages one change is broadcast as, in delivery order.
std::vector<uint32_t> BroadcastMessages(DesktopChange changes);

class DesktopBroadcast {
 public:
  // Subscribes to CurrentDesktop(); the window system must outlive the broadcast.
  explicit DesktopBroadcast(host::WindowSystem& windows);

  // Sends the messages of `changes` to every top-level window of the current process.
  void Deliver(DesktopChange changes);

 private:
  host::WindowSystem& windows_;
  DesktopSubscription subscription_;
};

}  // namespace wayband::platform
