#include "platform/hook/window_hook.h"

#include <algorithm>
#include <vector>

namespace wayband::platform {

namespace {
constexpr const char* kKeySuffix = "_hook";
}  // namespace

class WindowHook::Dispatcher final : public host::WindowProcedure {
 public:
  Dispatcher(host::WindowHandle window, host::WindowProcedureRef previous, WindowHookOwner* owner)
      : window_(window), previous_(std::move(previous)), owner_(owner) {}

  host::WindowHandle Window() const { return window_; }
  const host::WindowProcedureRef& Previous() const { return previous_; }
  // From here on every message only passes through.
  void Detach() { owner_ = nullptr; }

  std::vector<uint32_t>& Watched(HookWhen when) {
    return when == HookWhen::kBefore ? before_ : after_;
  }

  intptr_t Handle(host::WindowHandle window, const host::WindowMessage& message) override {
    if (Watches(HookWhen::kBefore, message.message)) {
      intptr_t ignored = 0;
      owner_->HookedMessage(window, message, HookWhen::kBefore, ignored);
    }
    // Held for the call: the owner may uninstall the hook meanwhile.
    const host::WindowProcedureRef previous = previous_;
    intptr_t result = previous ? previous->Handle(window, message) : 0;
    if (Watches(HookWhen::kAfter, message.message)) {
      owner_->HookedMessage(window, message, HookWhen::kAfter, result);
    }
    return result;
  }

 private:
  bool Watches(HookWhen when, uint32_t message) {
    const std::vector<uint32_t>& list = Watched(when);
    return owner_ && std::find(list.begin(), list.end(), message) != list.end();
  }

  host::WindowHandle window_;
  host::WindowProcedureRef previous_;
  WindowHookOwner* owner_;
  std::vector<uint32_t> before_;
  std::vector<uint32_t> after_;
};

WindowHook::WindowHook(host::WindowSystem& windows, WindowHookOwner& owner)
    : windows_(windows), owner_(owner) {}

WindowHook::~WindowHook() {
  UninstallAll();
}

std::string WindowHook::KeyOf(host::WindowHandle window) {
  return std::to_string(window) + kKeySuffix;
}

WindowHook::Dispatcher* WindowHook::Find(host::WindowHandle window) const {
  const auto it = records_.find(KeyOf(window));
  return it == records_.end() ? nullptr : it->second.get();
}

bool WindowHook::Hooked(host::WindowHandle window) const {
  return Find(window) != nullptr;
}

bool WindowHook::Install(host::WindowHandle window) {
  if (!windows_.IsWindow(window) || Hooked(window)) return false;
  if (windows_.GetWindowProcessId(window) != windows_.GetCurrentProcessId()) return false;
  host::WindowProcedureRef previous = windows_.GetWindowProcedure(window);
  if (!previous) return false;
  auto dispatcher = std::make_shared<Dispatcher>(window, std::move(previous), &owner_);
  if (!windows_.SetWindowProcedure(window, dispatcher)) return false;
  records_.emplace(KeyOf(window), std::move(dispatcher));
  return true;
}

bool WindowHook::AddMessage(host::WindowHandle window, uint32_t message, HookWhen when) {
  Dispatcher* dispatcher = Find(window);
  if (!dispatcher) return false;
  std::vector<uint32_t>& list = dispatcher->Watched(when);
  if (std::find(list.begin(), list.end(), message) == list.end()) list.push_back(message);
  return true;
}

bool WindowHook::RemoveMessage(host::WindowHandle window, uint32_t message, HookWhen when) {
  Dispatcher* dispatcher = Find(window);
  return dispatcher && std::erase(dispatcher->Watched(when), message) > 0;
}

void WindowHook::RemoveAllMessages(host::WindowHandle window) {
  if (Dispatcher* dispatcher = Find(window)) {
    dispatcher->Watched(HookWhen::kBefore).clear();
    dispatcher->Watched(HookWhen::kAfter).clear();
  }
}

void WindowHook::UninstallAll() {
  // Taken out first: restoring a procedure runs no host code, but the records must not be
  // visited twice if an owner calls back in.
  auto records = std::move(records_);
  records_.clear();
  for (auto& [key, dispatcher] : records) {
    dispatcher->Detach();
    const host::WindowHandle window = dispatcher->Window();
    // A window that is gone, or that someone hooked after us, keeps what it has.
    if (windows_.GetWindowProcedure(window) == dispatcher) {
      windows_.SetWindowProcedure(window, dispatcher->Previous());
    }
  }
}

}  // namespace wayband::platform
