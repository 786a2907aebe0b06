// The window hook: lets an owner watch chosen messages of windows it does not handle
// itself (its form's window), before or after the window's own handling, without
// changing how the window handles them. Installing puts a dispatcher in front of the
// window's procedure; the dispatcher passes every message on to the procedure it
// replaced and tells the owner of the watched ones.
//
// Uninstalling gives the window its previous procedure back. When someone hooked the
// window after this owner, the dispatcher cannot be taken out of their chain; it then
// stays there passing every message on and telling nobody, so both chains stay whole
// whichever owner goes first.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/host/window_messages.h"
#include "platform/host/window_system.h"

namespace wayband::platform {

enum class HookWhen { kBefore, kAfter };

class WindowHookOwner {
 public:
  virtual ~WindowHookOwner() = default;
  // A watched message of a hooked window. Before the window's procedure ran, `result` is
  // 0 and what the owner leaves in it is not used; after it ran, it holds that procedure's
  // result, which the owner may replace. The owner may uninstall the hook or destroy
  // itself here (after detaching the hook).
  virtual void HookedMessage(host::WindowHandle window, const host::WindowMessage& message,
                             HookWhen when, intptr_t& result) = 0;
};

class WindowHook {
 public:
  // The window system and the owner must outlive the hook.
  WindowHook(host::WindowSystem& windows, WindowHookOwner& owner);
  ~WindowHook();
  WindowHook(const WindowHook&) = delete;
  WindowHook& operator=(const WindowHook&) = delete;

  // Hooks the window. False, and nothing changes, when it is not a live window, belongs to
  // another process, is hooked by this owner already, or its procedure cannot be replaced.
  bool Install(host::WindowHandle window);
  // Watches (or stops watching) a message of a hooked window; false when the window is
  // not hooked (or the message was not watched).
  bool AddMessage(host::WindowHandle window, uint32_t message, HookWhen when);
  bool RemoveMessage(host::WindowHandle window, uint32_t message, HookWhen when);
  void RemoveAllMessages(host::WindowHandle window);
  // Restores every hooked window's previous procedure and forgets the windows.
  void UninstallAll();

  bool Hooked(host::WindowHandle window) const;
  size_t HookCount() const { return records_.size(); }

 private:
  class Dispatcher;

  // The record's key: the decimal window handle followed by kKeySuffix.
  static std::string KeyOf(host::WindowHandle window);
  Dispatcher* Find(host::WindowHandle window) const;

  host::WindowSystem& windows_;
  WindowHookOwner& owner_;
  std::map<std::string, std::shared_ptr<Dispatcher>> records_;
};

}  // namespace wayband::platform
