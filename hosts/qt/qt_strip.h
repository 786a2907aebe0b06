// A child strip of the Qt host: a child widget of the control's widget that shows the
// image the control paints into it, with twips geometry kept exactly as set and docking to
// the control's top or bottom edge (the control's widget re-docks it when it is resized).
#pragma once

#include <QPointer>

#include "platform/host/kept_strip.h"
#include "qt/image_widget.h"

namespace wayband::qt {

class QtStrip final : public host::KeptStrip {
 public:
  QtStrip(QWidget& owner, const host::StripDesign& design);
  ~QtStrip() override;
  QtStrip(const QtStrip&) = delete;
  QtStrip& operator=(const QtStrip&) = delete;

  ImageWidget* Widget() const { return widget_; }

  // host::ChildStrip
  host::WindowHandle hWnd() const override { return window_; }
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  void ZOrder(host::ZOrderPosition position) override;
  host::MousePointer GetMousePointer() const override;
  void SetMousePointer(host::MousePointer pointer) override;
  platform::DrawingContext* hDC() override;
  void Cls() override;
  void Present(platform::Size frame) override;

 private:
  // host::KeptStrip
  double OwnerWidth() const override;
  double OwnerHeight() const override;
  void PlaceWindow() override;
  void ShowWindow(bool visible) override;

  QWidget& owner_;
  QPointer<ImageWidget> widget_;
  host::WindowHandle window_;
};

}  // namespace wayband::qt
