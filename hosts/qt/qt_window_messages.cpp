// The window messages of the Qt host's windows: the procedure slots, the top-level
// windows a broadcast reaches, and the start of a move or size.
#include <QApplication>

#include "qt/qt_windows.h"

namespace wayband::qt {

namespace {

// A move or resize this long after the last one starts a new move or size.
constexpr std::chrono::milliseconds kStillAfter{500};

// A widget's own handling: Qt delivered its events before the host sends a message.
class HandledByQt final : public host::WindowProcedure {
 public:
  intptr_t Handle(host::WindowHandle /*window*/, const host::WindowMessage& /*message*/) override {
    return 0;
  }
};

}  // namespace

host::WindowProcedureRef QtWindows::OwnProcedure() {
  return std::make_shared<HandledByQt>();
}

std::vector<host::WindowHandle> QtWindows::TopLevelWindows() const {
  std::vector<host::WindowHandle> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (const auto found = handles_.find(widget); found != handles_.end()) {
      windows.push_back(found->second);
    }
  }
  return windows;
}

host::WindowProcedureRef QtWindows::GetWindowProcedure(host::WindowHandle window) const {
  const Entry* entry = Find(window);
  return entry ? entry->procedure : nullptr;
}

bool QtWindows::SetWindowProcedure(host::WindowHandle window, host::WindowProcedureRef procedure) {
  const auto found = windows_.find(window);
  if (found == windows_.end() || !found->second.widget || !procedure) return false;
  found->second.procedure = std::move(procedure);
  return true;
}

intptr_t QtWindows::SendMessage(host::WindowHandle window, const host::WindowMessage& message) {
  const Entry* entry = Find(window);
  if (!entry) return 0;
  // Held for the call: the handling may replace the procedure or destroy the widget.
  const host::WindowProcedureRef procedure = entry->procedure;
  return procedure->Handle(window, message);
}

void QtWindows::StartSizeMove(QWidget* window) {
  if (const auto found = handles_.find(window); found != handles_.end()) {
    SendMessage(found->second, {host::WM_ENTERSIZEMOVE, 0, 0});
  }
}

void QtWindows::GeometryChanging(QWidget* window) {
  const auto handle = handles_.find(window);
  if (handle == handles_.end() || !window->isWindow()) return;
  Entry& entry = windows_.at(handle->second);
  const auto now = std::chrono::steady_clock::now();
  const bool wasStill = now - entry.lastGeometryChange >= kStillAfter;
  entry.lastGeometryChange = now;
  if (wasStill) StartSizeMove(window);
}

}  // namespace wayband::qt
