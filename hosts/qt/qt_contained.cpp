#include "qt/qt_contained.h"

#include "platform/system_colors.h"
#include "platform/twips.h"
#include "qt/qt_colors.h"
#include "qt/qt_windows.h"

namespace wayband::qt {

QtContainedControl::QtContainedControl(host::ControlIdentity identity, QWidget* widget,
                                       QWidget* container)
    : identity_(identity), widget_(widget), window_(QtWindows::Instance().Register(widget)) {
  if (!widget_) return;
  widget_->hide();
  widget_->setParent(container);
  const double perPixelX = TwipsPerPixelX(*widget_);
  const double perPixelY = TwipsPerPixelY(*widget_);
  left_ = widget_->x() * perPixelX;
  top_ = widget_->y() * perPixelY;
  width_ = widget_->width() * perPixelX;
  height_ = widget_->height() * perPixelY;
}

std::string QtContainedControl::Name() const {
  return widget_ ? widget_->objectName().toStdString() : std::string();
}

std::string QtContainedControl::TypeName() const {
  return widget_ ? widget_->metaObject()->className() : std::string();
}

host::WindowHandle QtContainedControl::Container() const {
  return widget_ ? QtWindows::Instance().NearestWindow(widget_->parentWidget()) : host::kNoWindow;
}

bool QtContainedControl::SetContainer(host::WindowHandle container) {
  QWidget* parent = QtWindows::Instance().Widget(container);
  if (!widget_ || !parent) return false;
  const bool visible = widget_->isVisibleTo(widget_->parentWidget());
  widget_->setParent(parent);
  PlaceWidget();
  widget_->setVisible(visible);
  return true;
}

bool QtContainedControl::Visible() const {
  // The control's own flag, as set, whatever its container shows.
  return widget_ && !widget_->isHidden();
}

bool QtContainedControl::SetVisible(bool visible) {
  if (!widget_) return false;
  widget_->setVisible(visible);
  return true;
}

bool QtContainedControl::Move(double left, double top, double width, double height) {
  if (!widget_ || width < 0.0 || height < 0.0) return false;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  PlaceWidget();
  return true;
}

void QtContainedControl::PlaceWidget() {
  const double perPixelX = TwipsPerPixelX(*widget_);
  const double perPixelY = TwipsPerPixelY(*widget_);
  widget_->setGeometry(
      platform::TwipsToPixels(left_, perPixelX), platform::TwipsToPixels(top_, perPixelY),
      platform::TwipsToPixels(width_, perPixelX), platform::TwipsToPixels(height_, perPixelY));
}

bool QtContainedControl::ZOrder(host::ZOrderPosition position) {
  if (!widget_) return false;
  if (position == host::ZOrderPosition::kBringToFront) {
    widget_->raise();
  } else {
    widget_->lower();
  }
  return true;
}

std::optional<uint32_t> QtContainedControl::BackColor() const {
  if (!widget_) return std::nullopt;
  return ColorRefOf(widget_->palette().color(QPalette::Window));
}

bool QtContainedControl::SetBackColor(uint32_t color) {
  platform::ColorRef translated = 0;
  if (!widget_ || !platform::OleTranslateColor(color, &translated)) return false;
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Window, QColorOf(translated));
  widget_->setPalette(palette);
  widget_->setAutoFillBackground(true);
  return true;
}

std::optional<bool> QtContainedControl::Enabled() const {
  if (!widget_) return std::nullopt;
  return widget_->isEnabled();
}

bool QtContainedControl::SetEnabled(bool enabled) {
  if (!widget_) return false;
  widget_->setEnabled(enabled);
  return true;
}

}  // namespace wayband::qt
