#include "headless/virtual_windows.h"

#include <algorithm>

namespace wayband::headless {

using host::kNoWindow;
using host::WindowHandle;
using platform::Point;
using platform::Rect;

namespace {

// A window's own handling: the message is recorded and answered with 0.
class OwnProcedure final : public host::WindowProcedure {
 public:
  explicit OwnProcedure(HostRecord& record) : record_(record) {}
  intptr_t Handle(WindowHandle window, const host::WindowMessage& message) override {
    record_.Add(WindowMessageRecord{window, message.message});
    return 0;
  }

 private:
  HostRecord& record_;
};

}  // namespace

VirtualWindows::VirtualWindows(HostRecord& record, uint32_t processId, double twipsPerPixelX,
                               double twipsPerPixelY)
    : record_(record),
      processId_(processId),
      twipsPerPixelX_(twipsPerPixelX),
      twipsPerPixelY_(twipsPerPixelY) {}

const VirtualWindows::Window* VirtualWindows::Find(WindowHandle window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

VirtualWindows::Window* VirtualWindows::Find(WindowHandle window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

std::vector<WindowHandle>& VirtualWindows::Siblings(WindowHandle window) {
  Window* parent = Find(Find(window)->parent);
  return parent ? parent->children : topLevel_;
}

WindowHandle VirtualWindows::CreateWindow(WindowHandle parent, Rect rect, bool visible,
                                          std::string name, uint32_t processId) {
  if (parent != kNoWindow && !Find(parent)) return kNoWindow;
  const WindowHandle handle = nextHandle_++;
  Window window;
  window.parent = parent;
  window.rect = rect;
  window.visible = visible;
  window.processId = processId != 0 ? processId : processId_;
  window.name = std::move(name);
  window.procedure = std::make_shared<OwnProcedure>(record_);
  windows_.emplace(handle, std::move(window));
  auto& siblings = Siblings(handle);
  siblings.insert(siblings.begin(), handle);
  return handle;
}

void VirtualWindows::DestroyWindow(WindowHandle window) {
  Window* found = Find(window);
  if (!found) return;
  const std::vector<WindowHandle> children = found->children;
  for (WindowHandle child : children)
    DestroyWindow(child);
  std::erase(Siblings(window), window);
  if (capture_ == window) capture_ = kNoWindow;
  windows_.erase(window);
}

bool VirtualWindows::SetWindowRect(WindowHandle window, Rect rect) {
  Window* found = Find(window);
  if (!found) return false;
  found->rect = rect;
  return true;
}

bool VirtualWindows::ShowWindow(WindowHandle window, bool visible) {
  Window* found = Find(window);
  if (!found) return false;
  found->visible = visible;
  return true;
}

bool VirtualWindows::SetParent(WindowHandle window, WindowHandle parent) {
  if (!Find(window) || (parent != kNoWindow && !Find(parent))) return false;
  // A window cannot move under itself or one of its descendants.
  for (WindowHandle up = parent; up != kNoWindow; up = Find(up)->parent) {
    if (up == window) return false;
  }
  std::erase(Siblings(window), window);
  Find(window)->parent = parent;
  auto& siblings = Siblings(window);
  siblings.insert(siblings.begin(), window);
  return true;
}

bool VirtualWindows::BringToFront(WindowHandle window) {
  if (!Find(window)) return false;
  auto& siblings = Siblings(window);
  std::erase(siblings, window);
  siblings.insert(siblings.begin(), window);
  return true;
}

bool VirtualWindows::SendToBack(WindowHandle window) {
  if (!Find(window)) return false;
  auto& siblings = Siblings(window);
  std::erase(siblings, window);
  siblings.push_back(window);
  return true;
}

std::string VirtualWindows::WindowName(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? found->name : std::string();
}

Rect VirtualWindows::GetLocalRect(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? found->rect : Rect{};
}

bool VirtualWindows::IsShown(WindowHandle window) const {
  const Window* found = Find(window);
  return found && found->visible;
}

bool VirtualWindows::IsWindow(WindowHandle window) const {
  return Find(window) != nullptr;
}

WindowHandle VirtualWindows::GetParent(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? found->parent : kNoWindow;
}

std::vector<WindowHandle> VirtualWindows::GetChildren(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? found->children : std::vector<WindowHandle>{};
}

Rect VirtualWindows::GetWindowRect(WindowHandle window) const {
  const Window* found = Find(window);
  if (!found) return {};
  Rect rect = found->rect;
  for (const Window* up = Find(found->parent); up; up = Find(up->parent)) {
    rect.left += up->rect.left;
    rect.right += up->rect.left;
    rect.top += up->rect.top;
    rect.bottom += up->rect.top;
  }
  return rect;
}

Rect VirtualWindows::GetClientRect(WindowHandle window) const {
  const Window* found = Find(window);
  if (!found) return {};
  return Rect{0, 0, std::max(0, found->rect.Width()), std::max(0, found->rect.Height())};
}

bool VirtualWindows::IsWindowVisible(WindowHandle window) const {
  const Window* found = Find(window);
  if (!found) return false;
  for (const Window* w = found; w; w = Find(w->parent)) {
    if (!w->visible) return false;
  }
  return true;
}

uint32_t VirtualWindows::GetWindowProcessId(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? found->processId : 0;
}

WindowHandle VirtualWindows::DeepestAt(WindowHandle window, Point screen) const {
  const Window* found = Find(window);
  if (!found || !found->visible || !GetWindowRect(window).Contains(screen)) return kNoWindow;
  for (WindowHandle child : found->children) {
    const WindowHandle hit = DeepestAt(child, screen);
    if (hit != kNoWindow) return hit;
  }
  return window;
}

WindowHandle VirtualWindows::WindowFromPoint(Point screen) const {
  for (WindowHandle window : topLevel_) {
    const WindowHandle hit = DeepestAt(window, screen);
    if (hit != kNoWindow) return hit;
  }
  return kNoWindow;
}

std::optional<Point> VirtualWindows::ScreenToClient(WindowHandle window, Point screen) const {
  if (!Find(window)) return std::nullopt;
  const Rect rect = GetWindowRect(window);
  return Point{screen.x - rect.left, screen.y - rect.top};
}

host::MousePointer VirtualWindows::GetMousePointer(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? found->pointer : host::MousePointer::kDefault;
}

void VirtualWindows::SetMousePointer(WindowHandle window, host::MousePointer pointer) {
  Window* found = Find(window);
  if (!found) return;
  found->pointer = pointer;
  record_.Add(PointerChangeRecord{window, pointer});
}

void VirtualWindows::SetMouseInputSink(WindowHandle window, host::MouseInputSink* sink) {
  Window* found = Find(window);
  if (found) found->sink = sink;
}

void VirtualWindows::InjectMouseDown(Point screen, int16_t button, int16_t shift) {
  Inject(MouseAction::kDown, screen, button, shift);
}

void VirtualWindows::InjectMouseMove(Point screen, int16_t button, int16_t shift) {
  Inject(MouseAction::kMove, screen, button, shift);
}

void VirtualWindows::InjectMouseUp(Point screen, int16_t button, int16_t shift) {
  Inject(MouseAction::kUp, screen, button, shift);
}

void VirtualWindows::Inject(MouseAction action, Point screen, int16_t button, int16_t shift) {
  cursor_ = screen;
  const WindowHandle target = capture_ != kNoWindow ? capture_ : WindowFromPoint(screen);
  if (action == MouseAction::kDown) capture_ = target;
  if (action == MouseAction::kUp) capture_ = kNoWindow;
  const Window* window = Find(target);
  if (!window || !window->sink) return;
  const Point client = *ScreenToClient(target, screen);
  const float x = static_cast<float>(client.x * twipsPerPixelX_);
  const float y = static_cast<float>(client.y * twipsPerPixelY_);
  host::MouseInputSink* sink = window->sink;
  switch (action) {
    case MouseAction::kDown:
      sink->MouseDown(button, shift, x, y);
      break;
    case MouseAction::kMove:
      sink->MouseMove(button, shift, x, y);
      break;
    case MouseAction::kUp:
      sink->MouseUp(button, shift, x, y);
      break;
  }
}

host::WindowProcedureRef VirtualWindows::GetWindowProcedure(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? found->procedure : nullptr;
}

bool VirtualWindows::SetWindowProcedure(WindowHandle window, host::WindowProcedureRef procedure) {
  Window* found = Find(window);
  if (!found || !procedure) return false;
  found->procedure = std::move(procedure);
  return true;
}

intptr_t VirtualWindows::SendMessage(WindowHandle window, const host::WindowMessage& message) {
  const Window* found = Find(window);
  if (!found) return 0;
  // Held for the call: the handling may replace the procedure or destroy the window.
  const host::WindowProcedureRef procedure = found->procedure;
  return procedure->Handle(window, message);
}

}  // namespace wayband::headless
