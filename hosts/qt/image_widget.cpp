#include "qt/image_widget.h"

#include <QPaintEvent>
#include <QPainter>

namespace wayband::qt {

namespace {

// The window image's bitmap is 32 bits a pixel, top-down, blue first in memory: Qt's RGB32
// on a little-endian machine. The bitmap's high byte is not alpha, which RGB32 ignores.
QImage ViewOf(const platform::BitmapHandle& bitmap) {
  if (!bitmap) return {};
  return QImage(bitmap->bits().data(), bitmap->width(), bitmap->height(), bitmap->stride(),
                QImage::Format_RGB32);
}

}  // namespace

ImageWidget::ImageWidget(QWidget* parent) : QWidget(parent) {
  // paintEvent covers the whole widget with the image: Qt need not clear it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

platform::DrawingContext* ImageWidget::Context() {
  platform::DrawingContext* dc = image_.Context({width(), height()});
  if (dc && view_.constBits() != image_.Image()->bits().data()) view_ = ViewOf(image_.Image());
  return dc;
}

void ImageWidget::Clear(platform::ColorRef color) {
  if (Context()) image_.Clear(color);
}

void ImageWidget::Present(platform::Size frame) {
  update(0, 0, frame.cx, frame.cy);
}

void ImageWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Until the control draws at the new size, the part the image does not cover shows the
  // window colour.
  if (!view_.rect().contains(event->rect())) painter.fillRect(event->rect(), palette().window());
  painter.drawImage(event->rect().topLeft(), view_, event->rect());
}

}  // namespace wayband::qt
