// A child strip of a headless control: a virtual window inside the control's window, with
// twips geometry kept exactly as set and docking to the control's top or bottom edge.
#pragma once

#include <string>

#include "headless/environment.h"
#include "platform/host/child_strip.h"

namespace wayband::headless {

class HeadlessStrip : public host::ChildStrip {
 public:
  HeadlessStrip(Environment& environment, host::WindowHandle owner,
                const host::StripDesign& design);
  ~HeadlessStrip() override;
  HeadlessStrip(const HeadlessStrip&) = delete;
  HeadlessStrip& operator=(const HeadlessStrip&) = delete;

  // Follows the owner's client size (twips) when docked.
  void Redock(double ownerWidth, double ownerHeight);

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
  platform::DrawingContext* hDC() override { return environment_.images.Context(window_); }
  void Cls() override;
  void Present(platform::Size frame) override { environment_.images.Present(window_, frame); }

 private:
  void Dock();
  void PlaceWindow();

  Environment& environment_;
  host::WindowHandle owner_;
  host::StripDesign design_;
  host::WindowHandle window_;
};

}  // namespace wayband::headless
