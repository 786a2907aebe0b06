#include "qt/qt_windows.h"

#include <unistd.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <cmath>

namespace wayband::qt {

namespace {

// Twips in an inch: a screen's twips per pixel is this over its logical dots per inch.
constexpr double kTwipsPerInch = 1440.0;

int16_t ButtonsOf(Qt::MouseButtons buttons) {
  int16_t sum = 0;
  if (buttons & Qt::LeftButton) sum |= host::kLeftButton;
  if (buttons & Qt::RightButton) sum |= host::kRightButton;
  if (buttons & Qt::MiddleButton) sum |= host::kMiddleButton;
  return sum;
}

// The platform's shift state: 1 Shift, 2 Ctrl, 4 Alt.
int16_t ShiftOf(Qt::KeyboardModifiers modifiers) {
  int16_t shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= 1;
  if (modifiers & Qt::ControlModifier) shift |= 2;
  if (modifiers & Qt::AltModifier) shift |= 4;
  return shift;
}

platform::Point PointOf(const QPoint& point) {
  return {point.x(), point.y()};
}

// The pointer's shape for each mouse pointer; the custom pointer of the controls is their
// hand.
void ApplyPointer(QWidget& widget, host::MousePointer pointer) {
  switch (pointer) {
    case host::MousePointer::kDefault:
      widget.unsetCursor();
      break;
    case host::MousePointer::kArrow:
      widget.setCursor(Qt::ArrowCursor);
      break;
    case host::MousePointer::kSizeNS:
      widget.setCursor(Qt::SizeVerCursor);
      break;
    case host::MousePointer::kCustom:
      widget.setCursor(Qt::PointingHandCursor);
      break;
  }
}

}  // namespace

double TwipsPerPixelX(const QWidget& widget) {
  return kTwipsPerInch / widget.logicalDpiX();
}

double TwipsPerPixelY(const QWidget& widget) {
  return kTwipsPerInch / widget.logicalDpiY();
}

QtWindows& QtWindows::Instance() {
  // Never destroyed: widgets may unregister while the process ends.
  static auto* windows = new QtWindows;
  return *windows;
}

host::WindowHandle QtWindows::Register(QWidget* widget) {
  if (!widget) return host::kNoWindow;
  if (const auto found = handles_.find(widget); found != handles_.end()) return found->second;
  const host::WindowHandle window = next_++;
  Entry& entry = windows_[window];
  entry.widget = widget;
  entry.procedure = OwnProcedure();
  handles_[widget] = window;
  widget->installEventFilter(this);
  connect(widget, &QObject::destroyed, this, [this](QObject* gone) { Forget(gone); });
  return window;
}

void QtWindows::Forget(const QObject* widget) {
  const auto found = handles_.find(widget);
  if (found == handles_.end()) return;
  windows_.erase(found->second);
  handles_.erase(found);
}

const QtWindows::Entry* QtWindows::Find(host::WindowHandle window) const {
  const auto found = windows_.find(window);
  if (found == windows_.end() || !found->second.widget) return nullptr;
  return &found->second;
}

QWidget* QtWindows::Widget(host::WindowHandle window) const {
  const Entry* entry = Find(window);
  return entry ? entry->widget.data() : nullptr;
}

host::WindowHandle QtWindows::NearestWindow(const QWidget* widget) const {
  for (; widget; widget = widget->parentWidget()) {
    if (const auto found = handles_.find(widget); found != handles_.end()) return found->second;
  }
  return host::kNoWindow;
}

host::WindowHandle QtWindows::GetParent(host::WindowHandle window) const {
  const QWidget* widget = Widget(window);
  return widget ? NearestWindow(widget->parentWidget()) : host::kNoWindow;
}

std::vector<host::WindowHandle> QtWindows::GetChildren(host::WindowHandle window) const {
  std::vector<host::WindowHandle> children;
  const QWidget* widget = Widget(window);
  if (!widget) return children;
  // Qt keeps a widget's children bottom of the stacking order first.
  const QObjectList& objects = widget->children();
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    if (!(*it)->isWidgetType()) continue;
    if (const auto found = handles_.find(*it); found != handles_.end()) {
      children.push_back(found->second);
    }
  }
  return children;
}

platform::Rect QtWindows::GetWindowRect(host::WindowHandle window) const {
  const QWidget* widget = Widget(window);
  if (!widget) return {};
  const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
  return {origin.x(), origin.y(), origin.x() + widget->width(), origin.y() + widget->height()};
}

platform::Rect QtWindows::GetClientRect(host::WindowHandle window) const {
  const QWidget* widget = Widget(window);
  if (!widget) return {};
  return {0, 0, widget->width(), widget->height()};
}

bool QtWindows::IsWindowVisible(host::WindowHandle window) const {
  const QWidget* widget = Widget(window);
  return widget && widget->isVisible();
}

uint32_t QtWindows::GetWindowProcessId(host::WindowHandle window) const {
  // Every widget belongs to the application's process.
  return IsWindow(window) ? GetCurrentProcessId() : 0;
}

uint32_t QtWindows::GetCurrentProcessId() const {
  return static_cast<uint32_t>(::getpid());
}

platform::Point QtWindows::GetCursorPos() const {
  return PointOf(QCursor::pos());
}

host::WindowHandle QtWindows::WindowFromPoint(platform::Point screen) const {
  return NearestWindow(QApplication::widgetAt(QPoint(screen.x, screen.y)));
}

std::optional<platform::Point> QtWindows::ScreenToClient(host::WindowHandle window,
                                                         platform::Point screen) const {
  const QWidget* widget = Widget(window);
  if (!widget) return std::nullopt;
  return PointOf(widget->mapFromGlobal(QPoint(screen.x, screen.y)));
}

host::MousePointer QtWindows::GetMousePointer(host::WindowHandle window) const {
  const Entry* entry = Find(window);
  return entry ? entry->pointer : host::MousePointer::kDefault;
}

void QtWindows::SetMousePointer(host::WindowHandle window, host::MousePointer pointer) {
  const auto found = windows_.find(window);
  if (found == windows_.end() || !found->second.widget) return;
  found->second.pointer = pointer;
  ApplyPointer(*found->second.widget, pointer);
}

void QtWindows::SetMouseInputSink(host::WindowHandle window, host::MouseInputSink* sink) {
  const auto found = windows_.find(window);
  if (found == windows_.end() || !found->second.widget) return;
  found->second.sink = sink;
  // Moves without a button pressed reach the widget only while it tracks the mouse.
  if (sink) found->second.widget->setMouseTracking(true);
}

bool QtWindows::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
      return FilterMouse(watched, event);
    case QEvent::Move:
    case QEvent::Resize:
      if (watched->isWidgetType()) GeometryChanging(static_cast<QWidget*>(watched));
      return false;
    default:
      return false;
  }
}

bool QtWindows::FilterMouse(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const auto handle = handles_.find(watched);
  if (handle == handles_.end()) return false;
  const Entry& entry = windows_.at(handle->second);
  if (!entry.sink) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  QWidget& widget = *entry.widget;
  const QPoint pixel(static_cast<int>(std::floor(mouse->position().x())),
                     static_cast<int>(std::floor(mouse->position().y())));
  const auto x = static_cast<float>(pixel.x() * TwipsPerPixelX(widget));
  const auto y = static_cast<float>(pixel.y() * TwipsPerPixelY(widget));
  const int16_t shift = ShiftOf(mouse->modifiers());
  // The sink may destroy the widget (and the control): nothing here touches either after it.
  host::MouseInputSink& sink = *entry.sink;
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:  // the second press of a double click
      sink.MouseDown(ButtonsOf(mouse->button()), shift, x, y);
      break;
    case QEvent::MouseButtonRelease:
      sink.MouseUp(ButtonsOf(mouse->button()), shift, x, y);
      break;
    default:
      sink.MouseMove(ButtonsOf(mouse->buttons()), shift, x, y);
      break;
  }
  return true;
}

}  // namespace wayband::qt
