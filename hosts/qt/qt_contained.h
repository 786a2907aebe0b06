// A contained control of the Qt host: one of the application's widgets placed in a
// control (a panel's child widget). The wrapper keeps the twips geometry it was given and
// places the widget at the nearest pixels of its container. Once the widget is gone it
// answers with empty values and refuses every change.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "platform/host/contained_control.h"

namespace wayband::qt {

class QtContainedControl final : public host::ContainedControl {
 public:
  // Takes `widget` into `container`, hidden until the control shows it.
  QtContainedControl(host::ControlIdentity identity, QWidget* widget, QWidget* container);

  QWidget* Widget() const { return widget_; }

  // host::ContainedControl
  host::ControlIdentity Identity() const override { return identity_; }
  std::string Name() const override;
  std::string TypeName() const override;
  host::WindowHandle Container() const override;
  bool SetContainer(host::WindowHandle container) override;
  bool Visible() const override;
  bool SetVisible(bool visible) override;
  double Left() const override { return left_; }
  double Top() const override { return top_; }
  double Width() const override { return width_; }
  double Height() const override { return height_; }
  bool Move(double left, double top, double width, double height) override;
  bool ZOrder(host::ZOrderPosition position) override;
  host::WindowHandle hWnd() const override { return widget_ ? window_ : host::kNoWindow; }
  std::optional<uint32_t> BackColor() const override;
  bool SetBackColor(uint32_t color) override;
  std::optional<bool> Enabled() const override;
  bool SetEnabled(bool enabled) override;

 private:
  void PlaceWidget();

  host::ControlIdentity identity_;
  QPointer<QWidget> widget_;
  host::WindowHandle window_;
  double left_ = 0.0;
  double top_ = 0.0;
  double width_ = 0.0;
  double height_ = 0.0;
};

}  // namespace wayband::qt
