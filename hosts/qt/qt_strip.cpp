#include "qt/qt_strip.h"

#include "platform/system_colors.h"
#include "platform/twips.h"
#include "qt/qt_windows.h"

namespace wayband::qt {

QtStrip::QtStrip(QWidget& owner, const host::StripDesign& design)
    : owner_(owner), design_(design), widget_(new ImageWidget(&owner)) {
  widget_->setObjectName(QString::fromStdString(design_.name));
  window_ = QtWindows::Instance().Register(widget_);
  QtWindows::Instance().SetMousePointer(window_, design_.mousePointer);
  widget_->setVisible(design_.visible);
  Redock();
}

QtStrip::~QtStrip() {
  delete widget_.data();
}

void QtStrip::Redock() {
  if (design_.align != host::StripAlign::kNone) {
    const double ownerWidth = owner_.width() * TwipsPerPixelX(owner_);
    const double ownerHeight = owner_.height() * TwipsPerPixelY(owner_);
    design_.left = 0.0;
    design_.width = ownerWidth;
    design_.top = design_.align == host::StripAlign::kTop ? 0.0 : ownerHeight - design_.height;
  }
  PlaceWidget();
}

void QtStrip::PlaceWidget() {
  if (!widget_) return;
  const double perPixelX = TwipsPerPixelX(owner_);
  const double perPixelY = TwipsPerPixelY(owner_);
  widget_->setGeometry(platform::TwipsToPixels(design_.left, perPixelX),
                       platform::TwipsToPixels(design_.top, perPixelY),
                       platform::TwipsToPixels(design_.width, perPixelX),
                       platform::TwipsToPixels(design_.height, perPixelY));
}

bool QtStrip::Move(double left, double top, double width, double height) {
  if (width < 0.0 || height < 0.0) return false;
  design_.left = left;
  design_.top = top;
  design_.width = width;
  design_.height = height;
  Redock();
  return true;
}

bool QtStrip::SetTop(double top) {
  return Move(design_.left, top, design_.width, design_.height);
}

bool QtStrip::SetWidth(double width) {
  return Move(design_.left, design_.top, width, design_.height);
}

bool QtStrip::SetHeight(double height) {
  return Move(design_.left, design_.top, design_.width, height);
}

double QtStrip::ScaleWidth() const {
  const double perPixel = TwipsPerPixelX(owner_);
  const int width = widget_ ? widget_->width() : 0;
  return host::TwipsToScale(width * perPixel, design_.scaleMode, perPixel, false);
}

double QtStrip::ScaleHeight() const {
  const double perPixel = TwipsPerPixelY(owner_);
  const int height = widget_ ? widget_->height() : 0;
  return host::TwipsToScale(height * perPixel, design_.scaleMode, perPixel, true);
}

void QtStrip::SetAlign(host::StripAlign align) {
  design_.align = align;
  Redock();
}

void QtStrip::SetVisible(bool visible) {
  design_.visible = visible;
  if (widget_) widget_->setVisible(visible);
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
  if (widget_ && platform::OleTranslateColor(design_.backColor, &color)) widget_->Clear(color);
}

void QtStrip::Present(platform::Size frame) {
  if (widget_) widget_->Present(frame);
}

}  // namespace wayband::qt
