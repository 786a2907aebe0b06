// The window system of the Qt host: window handles registered for widgets (the control's
// widget, its strips and the widgets it contains), answered from the widgets themselves.
// A handle stays registered until its widget goes, and is never given out again. Mouse
// presses, moves and releases on a registered widget go to the sink set for its handle, in
// twips of the widget; Qt's implicit grab sends the moves and the release after a press to
// the widget that took it. One registry serves the process.
//
// Each registered window has a procedure slot, which a hook may chain itself in front of.
// Qt has handled a widget's events itself by the time the host sends a message, so a
// window's own procedure answers 0. The first move or resize the window system reports
// of a registered top-level window that was still (the window system's, or the
// application's, or a resize of a control inside it) sends it WM_ENTERSIZEMOVE first.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <map>
#include <unordered_map>

#include "platform/host/window_system.h"

namespace wayband::qt {

// Twips per pixel along each axis of the screen a widget is on.
double TwipsPerPixelX(const QWidget& widget);
double TwipsPerPixelY(const QWidget& widget);

class QtWindows final : public QObject, public host::WindowSystem {
 public:
  static QtWindows& Instance();

  // A new handle for `widget` (its current one when it has one already).
  host::WindowHandle Register(QWidget* widget);
  // The widget of a handle; null when there is none (any more).
  QWidget* Widget(host::WindowHandle window) const;
  // The handle of the widget, or of its nearest registered ancestor; 0 for none.
  host::WindowHandle NearestWindow(const QWidget* widget) const;
  // The user starts to move or size a registered window: it receives WM_ENTERSIZEMOVE.
  void StartSizeMove(QWidget* window);
  // The registered top-level `window`, or a control inside it, is about to move or change
  // size: the start of a move or size when it was still.
  void GeometryChanging(QWidget* window);

  // host::WindowSystem
  bool IsWindow(host::WindowHandle window) const override { return Widget(window) != nullptr; }
  host::WindowHandle GetParent(host::WindowHandle window) const override;
  std::vector<host::WindowHandle> GetChildren(host::WindowHandle window) const override;
  platform::Rect GetWindowRect(host::WindowHandle window) const override;
  platform::Rect GetClientRect(host::WindowHandle window) const override;
  bool IsWindowVisible(host::WindowHandle window) const override;
  uint32_t GetWindowProcessId(host::WindowHandle window) const override;
  uint32_t GetCurrentProcessId() const override;
  platform::Point GetCursorPos() const override;
  host::WindowHandle WindowFromPoint(platform::Point screen) const override;
  std::optional<platform::Point> ScreenToClient(host::WindowHandle window,
                                                platform::Point screen) const override;
  host::MousePointer GetMousePointer(host::WindowHandle window) const override;
  void SetMousePointer(host::WindowHandle window, host::MousePointer pointer) override;
  void SetMouseInputSink(host::WindowHandle window, host::MouseInputSink* sink) override;
  std::vector<host::WindowHandle> TopLevelWindows() const override;
  host::WindowProcedureRef GetWindowProcedure(host::WindowHandle window) const override;
  bool SetWindowProcedure(host::WindowHandle window, host::WindowProcedureRef procedure) override;
  intptr_t SendMessage(host::WindowHandle window, const host::WindowMessage& message) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QPointer<QWidget> widget;
    host::MousePointer pointer = host::MousePointer::kDefault;
    host::MouseInputSink* sink = nullptr;
    host::WindowProcedureRef procedure;
    // When the window system last moved or sized the window.
    std::chrono::steady_clock::time_point lastGeometryChange;
  };

  QtWindows() = default;
  static host::WindowProcedureRef OwnProcedure();
  const Entry* Find(host::WindowHandle window) const;
  void Forget(const QObject* widget);
  bool FilterMouse(QObject* watched, QEvent* event);

  std::map<host::WindowHandle, Entry> windows_;
  std::unordered_map<const QObject*, host::WindowHandle> handles_;
  host::WindowHandle next_ = 1;
};

}  // namespace wayband::qt
