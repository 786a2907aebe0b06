#include "tour_pointer.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWindow>

namespace wayband_demo {

namespace {
// Milliseconds between two of the tour's mouse events.
constexpr quint64 kEventSpacing = 16;
}  // namespace

void TourPointer::MoveTo(const QWidget& widget, QPoint point) {
  at_ = widget.mapTo(&window_, point);
  QCursor::setPos(window_.mapToGlobal(at_));
  Send(QEvent::MouseMove, Qt::NoButton);
}

void TourPointer::Press(Qt::MouseButton button) {
  held_ |= button;
  Send(QEvent::MouseButtonPress, button);
}

void TourPointer::Release(Qt::MouseButton button) {
  held_ &= ~Qt::MouseButtons(button);
  Send(QEvent::MouseButtonRelease, button);
}

void TourPointer::Click(const QWidget& widget, QPoint point) {
  MoveTo(widget, point);
  Press();
  Release();
}

void TourPointer::Drag(const QWidget& widget, QPoint from, QPoint to, int steps) {
  MoveTo(widget, from);
  Press();
  for (int step = 1; step <= steps; ++step)
    MoveTo(widget, from + (to - from) * step / steps);
  Release();
}

void TourPointer::Send(QEvent::Type type, Qt::MouseButton button) {
  QWindow* window = window_.windowHandle();
  if (!window) return;
  const QPointF local(at_);
  QMouseEvent event(type, local, local, QPointF(window_.mapToGlobal(at_)), button, held_,
                    QApplication::keyboardModifiers());
  timestamp_ += kEventSpacing;
  event.setTimestamp(timestamp_);
  QApplication::sendEvent(window, &event);
}

}  // namespace wayband_demo
