// The tour's mouse: events sent to the top-level window at window positions, so that Qt
// finds the widget under them and keeps the implicit grab of a press, as it does for the
// window system's events. The cursor follows, so that what asks where it is sees it there.
#pragma once

#include <QEvent>
#include <QPoint>
#include <QWidget>

namespace wayband_demo {

class TourPointer {
 public:
  explicit TourPointer(QWidget& window) : window_(window) {}

  // Moves to a point of `widget` (its own pixels), with the buttons held.
  void MoveTo(const QWidget& widget, QPoint point);
  void Press(Qt::MouseButton button = Qt::LeftButton);
  void Release(Qt::MouseButton button = Qt::LeftButton);
  void Click(const QWidget& widget, QPoint point);
  // A press here, moves in `steps` steps to `to`, and a release there.
  void Drag(const QWidget& widget, QPoint from, QPoint to, int steps);

 private:
  void Send(QEvent::Type type, Qt::MouseButton button);

  QWidget& window_;
  QPoint at_;  // window pixels
  Qt::MouseButtons held_ = Qt::NoButton;
  quint64 timestamp_ = 0;
};

}  // namespace wayband_demo
