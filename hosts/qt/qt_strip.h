// A child strip of the Qt host: a child widget of the control's widget that shows the
// image the control paints into it, with twips geometry kept exactly as set and docking to
// the control's top or bottom edge (the control's widget re-docks it when it is resized).
#pragma once

#include <QPointer>
#include <string>

#include "platform/host/child_strip.h"
#include "qt/image_widget.h"

namespace wayband::qt {

class QtStrip final : public host::ChildStrip {
 public:
  QtStrip(QWidget& owner, const host::StripDesign& design);
  ~QtStrip() override;
  QtStrip(const QtStrip&) = delete;
  QtStrip& operator=(const QtStrip&) = delete;

  // Follows the owner's client size when docked.
  void Redock();
  ImageWidget* Widget() const { return widget_; }

  // host::ChildStrip
  const std::string& Name() const override { return design_.name; }
  host::WindowHandle hWnd() const override { return window_; }
  double Left() const override { return design_.left; }
  double Top() const override { return design_.top; }
  double Width() const override { return design_.width; }
  double Height() const override { return design_.height; }
  bool Move(double left, double top, double width, double height) override;
  bool SetTop(double top) override;
  bool SetWidth(double width) override;
  bool SetHeight(double height) override;
  host::ScaleMode GetScaleMode() const override { return design_.scaleMode; }
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  host::StripAlign Align() const override { return design_.align; }
  void SetAlign(host::StripAlign align) override;
  bool Visible() const override { return design_.visible; }
  void SetVisible(bool visible) override;
  void ZOrder(host::ZOrderPosition position) override;
  host::MousePointer GetMousePointer() const override;
  void SetMousePointer(host::MousePointer pointer) override;
  platform::DrawingContext* hDC() override;
  void Cls() override;
  void Present(platform::Size frame) override;

 private:
  void PlaceWidget();

  QWidget& owner_;
  host::StripDesign design_;
  QPointer<ImageWidget> widget_;
  host::WindowHandle window_;
};

}  // namespace wayband::qt
