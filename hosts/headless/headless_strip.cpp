#include "headless/headless_strip.h"

#include "platform/system_colors.h"

namespace wayband::headless {

HeadlessStrip::HeadlessStrip(Environment& environment, host::WindowHandle owner,
                             const host::StripDesign& design)
    : environment_(environment), owner_(owner), design_(design) {
  window_ = environment_.windows.CreateWindow(owner, {}, design_.visible, design_.name);
  environment_.windows.SetMousePointer(window_, design_.mousePointer);
  Dock();
}

HeadlessStrip::~HeadlessStrip() {
  environment_.images.Forget(window_);
  environment_.windows.DestroyWindow(window_);
}

void HeadlessStrip::Redock(double ownerWidth, double ownerHeight) {
  if (design_.align == host::StripAlign::kNone) return;
  design_.left = 0.0;
  design_.width = ownerWidth;
  design_.top = design_.align == host::StripAlign::kTop ? 0.0 : ownerHeight - design_.height;
  PlaceWindow();
}

void HeadlessStrip::Dock() {
  if (design_.align == host::StripAlign::kNone) {
    PlaceWindow();
    return;
  }
  const platform::Rect client = environment_.windows.GetClientRect(owner_);
  Redock(client.Width() * environment_.settings.twipsPerPixelX,
         client.Height() * environment_.settings.twipsPerPixelY);
}

void HeadlessStrip::PlaceWindow() {
  const int32_t left = environment_.PixelsX(design_.left);
  const int32_t top = environment_.PixelsY(design_.top);
  environment_.windows.SetWindowRect(window_,
                                     {left, top, left + environment_.PixelsX(design_.width),
                                      top + environment_.PixelsY(design_.height)});
}

bool HeadlessStrip::Move(double left, double top, double width, double height) {
  if (width < 0.0 || height < 0.0) return false;
  design_.left = left;
  design_.top = top;
  design_.width = width;
  design_.height = height;
  Dock();
  return true;
}

bool HeadlessStrip::SetTop(double top) {
  return Move(design_.left, top, design_.width, design_.height);
}

bool HeadlessStrip::SetWidth(double width) {
  return Move(design_.left, design_.top, width, design_.height);
}

bool HeadlessStrip::SetHeight(double height) {
  return Move(design_.left, design_.top, design_.width, height);
}

double HeadlessStrip::ScaleWidth() const {
  const platform::Rect client = environment_.windows.GetClientRect(window_);
  return host::TwipsToScale(client.Width() * environment_.settings.twipsPerPixelX,
                            design_.scaleMode, environment_.settings.twipsPerPixelX, false);
}

double HeadlessStrip::ScaleHeight() const {
  const platform::Rect client = environment_.windows.GetClientRect(window_);
  return host::TwipsToScale(client.Height() * environment_.settings.twipsPerPixelY,
                            design_.scaleMode, environment_.settings.twipsPerPixelY, true);
}

void HeadlessStrip::SetAlign(host::StripAlign align) {
  design_.align = align;
  Dock();
}

void HeadlessStrip::SetVisible(bool visible) {
  design_.visible = visible;
  environment_.windows.ShowWindow(window_, visible);
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
  if (!platform::OleTranslateColor(design_.backColor, &color)) return;
  environment_.images.Clear(window_, color);
}

}  // namespace wayband::headless
