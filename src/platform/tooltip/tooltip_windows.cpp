#include "platform/tooltip/tooltip_windows.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/tooltip/tip_window.h"

namespace wayband::platform {

TooltipWindows& TooltipWindows::Instance() {
  // Never destroyed: tips still open at exit would stop their timers on event loops that
  // may already be gone.
  static TooltipWindows* const instance = new TooltipWindows();
  return *instance;
}

namespace {

// Observers may add or remove observers while they hear of a tip: each one present when
// the tip changed hears of it unless it was removed in the meantime.
template <typename Call>
void ForEachObserver(const std::vector<TooltipObserver*>& targets, Call call) {
  for (TooltipObserver* target : std::vector(targets)) {
    if (std::ranges::find(targets, target) != targets.end()) call(*target);
  }
}

}  // namespace

void TooltipWindows::ObserverRelay::TipShown(const TipDisplay& tip) {
  ForEachObserver(targets, [&](TooltipObserver& target) { target.TipShown(tip); });
}

void TooltipWindows::ObserverRelay::TipHidden(host::WindowHandle tipWindow) {
  ForEachObserver(targets, [&](TooltipObserver& target) { target.TipHidden(tipWindow); });
}

std::shared_ptr<TipWindow> TooltipWindows::Find(host::WindowHandle tip) const {
  const auto it = tips_.find(tip);
  return it == tips_.end() ? nullptr : it->second;
}

std::vector<std::shared_ptr<TipWindow>> TooltipWindows::Snapshot() const {
  std::vector<std::shared_ptr<TipWindow>> windows;
  windows.reserve(tips_.size());
  for (const auto& [handle, window] : tips_)
    windows.push_back(window);
  return windows;
}

host::WindowHandle TooltipWindows::CreateTipWindow(uint32_t style, host::WindowHandle owner) {
  if (nextHandle_ == host::kNoWindow) return host::kNoWindow;  // the range is used up
  const host::WindowHandle handle = nextHandle_;
  nextHandle_ =
      handle == std::numeric_limits<host::WindowHandle>::max() ? host::kNoWindow : handle + 1;
  tips_.emplace(handle, std::make_shared<TipWindow>(handle, style, owner, classStyle_, observer_));
  return handle;
}

bool TooltipWindows::DestroyTipWindow(host::WindowHandle tip) {
  const auto it = tips_.find(tip);
  if (it == tips_.end()) return false;
  const std::shared_ptr<TipWindow> window = it->second;
  tips_.erase(it);
  window->Reset();
  return true;
}

bool TooltipWindows::IsTipWindow(host::WindowHandle tip) const {
  return Find(tip) != nullptr;
}

host::WindowHandle TooltipWindows::Owner(host::WindowHandle tip) const {
  const auto window = Find(tip);
  return window ? window->Owner() : host::kNoWindow;
}

uint32_t TooltipWindows::GetClassLong(host::WindowHandle tip, int32_t index) const {
  return IsTipWindow(tip) && index == GCL_STYLE ? classStyle_ : 0;
}

uint32_t TooltipWindows::SetClassLong(host::WindowHandle tip, int32_t index, uint32_t value) {
  if (!IsTipWindow(tip) || index != GCL_STYLE) return 0;
  const uint32_t before = classStyle_;
  classStyle_ = value;
  return before;
}

bool TooltipWindows::AddTool(host::WindowHandle tip, const ToolInfo& info) {
  const auto window = Find(tip);
  return window && info.cbSize == kToolInfoSize && window->AddTool(info);
}

bool TooltipWindows::UpdateTipText(host::WindowHandle tip, const ToolInfo& info) {
  const auto window = Find(tip);
  return window && info.cbSize == kToolInfoSize && window->UpdateTipText(info);
}

bool TooltipWindows::DelTool(host::WindowHandle tip, const ToolInfo& info) {
  const auto window = Find(tip);
  return window && info.cbSize == kToolInfoSize && window->DelTool(info);
}

bool TooltipWindows::EnumTools(host::WindowHandle tip, uint32_t index, ToolInfo& info) const {
  const auto window = Find(tip);
  return window && info.cbSize == kToolInfoSize && window->EnumTool(index, info);
}

int32_t TooltipWindows::GetToolCount(host::WindowHandle tip) const {
  const auto window = Find(tip);
  return window ? static_cast<int32_t>(window->ToolCount()) : 0;
}

bool TooltipWindows::SetTitle(host::WindowHandle tip, uint32_t icon, std::string_view title) {
  const auto window = Find(tip);
  if (window) window->SetTitle(icon, title);
  return window != nullptr;
}

std::string TooltipWindows::Title(host::WindowHandle tip) const {
  const auto window = Find(tip);
  return window ? window->Title() : std::string();
}

void TooltipWindows::RelayMouseMove(host::WindowHandle window, Point screen) {
  for (const auto& tip : Snapshot())
    tip->MouseMoved(window, screen);
}

void TooltipWindows::RelayMouseButton(host::WindowHandle window) {
  for (const auto& tip : Snapshot())
    tip->MouseButton(window);
}

std::vector<TipDisplay> TooltipWindows::ShownTips() const {
  std::vector<TipDisplay> shown;
  for (const auto& [handle, window] : tips_) {
    if (window->Shown()) shown.push_back(*window->Shown());
  }
  return shown;
}

void TooltipWindows::AddObserver(TooltipObserver* observer) {
  if (observer) observer_.targets.push_back(observer);
}

void TooltipWindows::RemoveObserver(TooltipObserver* observer) {
  std::erase(observer_.targets, observer);
}

}  // namespace wayband::platform
