#include "qt/qt_strip.h"

#include "platform/system_colors.h"
#include "platform/twips.h"
#include "qt/qt_windows.h"

namespace wayband::qt {

QtStrip::QtStrip(QWidget& owner, const host::StripDesign& design)
    : KeptStrip(design), owner_(owner), widget_(new ImageWidget(&owner)) {
  widget_->setObjectName(QString::fromStdString(design.name));
  window_ = QtWindows::Instance().Register(widget_);
  QtWindows::Instance().SetMousePointer(window_, design.mousePointer);
  widget_->setVisible(design.visible);
  Redock();
}

QtStrip::~QtStrip() {
  delete widget_.data();
}

double QtStrip::OwnerWidth() const {
  return owner_.width() * TwipsPerPixelX(owner_);
}

double QtStrip::OwnerHeight() const {
  return owner_.height() * TwipsPerPixelY(owner_);
}

void QtStrip::PlaceWindow() {
  if (!widget_) return;
  const double perPixelX = TwipsPerPixelX(owner_);
  const double perPixelY = TwipsPerPixelY(owner_);
  widget_->setGeometry(
      platform::TwipsToPixels(Left(), perPixelX), platform::TwipsToPixels(Top(), perPixelY),
      platform::TwipsToPixels(Width(), perPixelX), platform::TwipsToPixels(Height(), perPixelY));
}

void QtStrip::ShowWindow(bool visible) {
  if (widget_) widget_->setVisible(visible);
}

double QtStrip::ScaleWidth() const {
  const double perPixel = TwipsPerPixelX(owner_);
  const int width = widget_ ? widget_->width() : 0;
  return host::TwipsToScale(width * perPixel, GetScaleMode(), perPixel, false);
}

double QtStrip::ScaleHeight() const {
  const double perPixel = TwipsPerPixelY(owner_);
  const int height = widget_ ? widget_->height() : 0;
  return host::TwipsToScale(height * perPixel, GetScaleMode(), perPixel, true);
}

void QtStrip::ZOrder(host::ZOrderPosition position) {
  if (!widget_) return;
  if (position == host::ZOrderPosition::kBringToFront) {
    widget_->raise();
  } else {
    widget_->lower();
  }
}

host::MousePointer QtStrip::GetMousePointer() const {
  return QtWindows::Instance().GetMousePointer(window_);
}

void QtStrip::SetMousePointer(host::MousePointer pointer) {
  QtWindows::Instance().SetMousePointer(window_, pointer);
}

platform::DrawingContext* QtStrip::hDC() {
  return widget_ ? widget_->Context() : nullptr;
}

void QtStrip::Cls() {
  platform::ColorRef color = 0;
  if (widget_ && platform::OleTranslateColor(Design().backColor, &color)) widget_->Clear(color);
}

void QtStrip::Present(platform::Size frame) {
  if (widget_) widget_->Present(frame);
}

}  // namespace wayband::qt
