#include "headless/headless_strip.h"

#include "platform/system_colors.h"

namespace wayband::headless {

HeadlessStrip::HeadlessStrip(Environment& environment, host::WindowHandle owner,
                             const host::StripDesign& design)
    : KeptStrip(design), environment_(environment), owner_(owner) {
  window_ = environment_.windows.CreateWindow(owner, {}, design.visible, design.name);
  environment_.windows.SetMousePointer(window_, design.mousePointer);
  Redock();
}

HeadlessStrip::~HeadlessStrip() {
  environment_.images.Forget(window_);
  environment_.windows.DestroyWindow(window_);
}

double HeadlessStrip::OwnerWidth() const {
  return environment_.windows.GetClientRect(owner_).Width() * environment_.settings.twipsPerPixelX;
}

double HeadlessStrip::OwnerHeight() const {
  return environment_.windows.GetClientRect(owner_).Height() * environment_.settings.twipsPerPixelY;
}

void HeadlessStrip::PlaceWindow() {
  const int32_t left = environment_.PixelsX(Left());
  const int32_t top = environment_.PixelsY(Top());
  environment_.windows.SetWindowRect(window_, {left, top, left + environment_.PixelsX(Width()),
                                               top + environment_.PixelsY(Height())});
}

double HeadlessStrip::ScaleWidth() const {
  const platform::Rect client = environment_.windows.GetClientRect(window_);
  return host::TwipsToScale(client.Width() * environment_.settings.twipsPerPixelX, GetScaleMode(),
                            environment_.settings.twipsPerPixelX, false);
}

double HeadlessStrip::ScaleHeight() const {
  const platform::Rect client = environment_.windows.GetClientRect(window_);
  return host::TwipsToScale(client.Height() * environment_.settings.twipsPerPixelY, GetScaleMode(),
                            environment_.settings.twipsPerPixelY, true);
}

void HeadlessStrip::ZOrder(host::ZOrderPosition position) {
  if (position == host::ZOrderPosition::kBringToFront) {
    environment_.windows.BringToFront(window_);
  } else {
    environment_.windows.SendToBack(window_);
  }
}

host::MousePointer HeadlessStrip::GetMousePointer() const {
  return environment_.windows.GetMousePointer(window_);
}

void HeadlessStrip::SetMousePointer(host::MousePointer pointer) {
  environment_.windows.SetMousePointer(window_, pointer);
}

void HeadlessStrip::Cls() {
  platform::ColorRef color = 0;
  if (!platform::OleTranslateColor(Design().backColor, &color)) return;
  environment_.images.Clear(window_, color);
}

}  // namespace wayband::headless
