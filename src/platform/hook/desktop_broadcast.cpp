#include "platform/hook/desktop_broadcast.h"

#include <array>
#include <utility>

namespace wayband::platform {

namespace {

struct ChangeMessage {
  DesktopChange kind;
  uint32_t message;
};

constexpr std::array kChangeMessages{
    ChangeMessage{DesktopChange::kDisplay, host::WM_DISPLAYCHANGE},
    ChangeMessage{DesktopChange::kSysColors, host::WM_SYSCOLORCHANGE},
    ChangeMessage{DesktopChange::kSettings, host::WM_SETTINGCHANGE},
    ChangeMessage{DesktopChange::kVisualStyle, host::WM_THEMECHANGED},
};

}  // namespace

std::vector<uint32_t> BroadcastMessages(DesktopChange changes) {
  std::vector<uint32_t> messages;
  for (const ChangeMessage& entry : kChangeMessages) {
    if (HasChange(changes, entry.kind)) messages.push_back(entry.message);
  }
  return messages;
}

DesktopBroadcast::DesktopBroadcast(host::WindowSystem& windows)
    : windows_(windows),
      subscription_(
          CurrentDesktop().Subscribe([this](DesktopChange changes) { Deliver(changes); })) {}

void DesktopBroadcast::Deliver(DesktopChange changes) {
  for (const uint32_t message : BroadcastMessages(changes)) {
    // A window's handling may create or destroy windows: each message goes to the
    // windows that are top-level when it is sent, and a window gone meanwhile is skipped.
    for (const host::WindowHandle window : windows_.TopLevelWindows()) {
      if (windows_.GetWindowProcessId(window) != windows_.GetCurrentProcessId()) continue;
      // WM_DISPLAYCHANGE carries the new depth in bits per pixel.
      const intptr_t wParam =
          message == host::WM_DISPLAYCHANGE ? CurrentDesktop().State().colorDepth : 0;
      windows_.SendMessage(window, {message, wParam, 0});
    }
  }
}

}  // namespace wayband::platform
