// A child strip of a headless control: a virtual window inside the control's window, with
// twips geometry kept exactly as set and docking to the control's top or bottom edge.
#pragma once

#include <string>

#include "headless/environment.h"
#include "platform/host/kept_strip.h"

namespace wayband::headless {

class HeadlessStrip final : public host::KeptStrip {
 public:
  HeadlessStrip(Environment& environment, host::WindowHandle owner,
                const host::StripDesign& design);
  ~HeadlessStrip() override;
  HeadlessStrip(const HeadlessStrip&) = delete;
  HeadlessStrip& operator=(const HeadlessStrip&) = delete;

  // host::ChildStrip
  host::WindowHandle hWnd() const override { return window_; }
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  void ZOrder(host::ZOrderPosition position) override;
  host::MousePointer GetMousePointer() const override;
  void SetMousePointer(host::MousePointer pointer) override;
  platform::DrawingContext* hDC() override { return environment_.images.Context(window_); }
  void Cls() override;
  void Present(platform::Size frame) override { environment_.images.Present(window_, frame); }

 private:
  // host::KeptStrip
  double OwnerWidth() const override;
  double OwnerHeight() const override;
  void PlaceWindow() override;
  void ShowWindow(bool visible) override { environment_.windows.ShowWindow(window_, visible); }

  Environment& environment_;
  host::WindowHandle owner_;
  host::WindowHandle window_;
};

}  // namespace wayband::headless
