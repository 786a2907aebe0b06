#include "headless/headless_control.h"

namespace wayband::headless {

HeadlessControl::HeadlessControl(Environment& environment, host::ControlIdentity identity,
                                 const ControlSpec& spec, host::WindowHandle container)
    : environment_(&environment), identity_(identity), spec_(spec), container_(container) {
  if (spec_.windowed) {
    window_ = environment.windows.CreateWindow(container, {}, spec_.visible, spec_.name);
    PlaceWindow();
  }
}

HeadlessControl::~HeadlessControl() {
  Detach();
}

void HeadlessControl::Detach() {
  if (!environment_) return;
  environment_->images.Forget(window_);
  environment_->windows.DestroyWindow(window_);
  environment_ = nullptr;
  onResize_ = nullptr;
  onShow_ = nullptr;
}

void HeadlessControl::PlaceWindow() {
  if (!environment_ || window_ == host::kNoWindow) return;
  const int32_t left = environment_->PixelsX(spec_.left);
  const int32_t top = environment_->PixelsY(spec_.top);
  environment_->windows.SetWindowRect(window_,
                                      {left, top, left + environment_->PixelsX(spec_.width),
                                       top + environment_->PixelsY(spec_.height)});
}

bool HeadlessControl::SetContainer(host::WindowHandle container) {
  if (!environment_ || !environment_->windows.IsWindow(container)) return false;
  if (window_ != host::kNoWindow && !environment_->windows.SetParent(window_, container)) {
    return false;
  }
  container_ = container;
  return true;
}

bool HeadlessControl::SetVisible(bool visible) {
  if (!environment_) return false;
  const bool turnedVisible = visible && !spec_.visible;
  spec_.visible = visible;
  environment_->windows.ShowWindow(window_, visible);
  if (turnedVisible && onShow_) onShow_();
  return true;
}

bool HeadlessControl::Move(double left, double top, double width, double height) {
  if (!environment_ || width < 0.0 || height < 0.0) return false;
  const bool resized = width != spec_.width || height != spec_.height;
  spec_.left = left;
  spec_.top = top;
  spec_.width = width;
  spec_.height = height;
  PlaceWindow();
  if (resized && onResize_) onResize_();
  return true;
}

bool HeadlessControl::ZOrder(host::ZOrderPosition position) {
  if (!environment_ || window_ == host::kNoWindow) return false;
  return position == host::ZOrderPosition::kBringToFront
             ? environment_->windows.BringToFront(window_)
             : environment_->windows.SendToBack(window_);
}

bool HeadlessControl::SetBackColor(uint32_t color) {
  if (!environment_ || !spec_.backColor) return false;
  spec_.backColor = color;
  return true;
}

bool HeadlessControl::SetEnabled(bool enabled) {
  if (!environment_ || !spec_.enabled) return false;
  spec_.enabled = enabled;
  return true;
}

bool HeadlessControl::SetLineStyleBackground(uint32_t color) {
  if (!HasLineStyle()) return false;
  lineStyle_.background = color;
  return true;
}

void HeadlessControl::RedrawLines() {
  if (HasLineStyle() && spec_.showsLines) ++lineStyle_.lineRedraws;
}

}  // namespace wayband::headless
