// A widget that shows the image a control paints into it: the window image's bitmap seen
// through a QImage over the same memory, drawn by paintEvent without a copy of its own.
// The control draws through Context() and says a frame is finished with Present().
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/host/window_image.h"

namespace wayband::qt {

class ImageWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ImageWidget(QWidget* parent = nullptr);

  // The drawing context over the widget's client area; null while it has no area.
  platform::DrawingContext* Context();
  // Fills the image with a plain colour (the platform's Cls).
  void Clear(platform::ColorRef color);
  // A frame of `frame` pixels is finished: the widget repaints that part.
  void Present(platform::Size frame);
  // What the widget shows: the pixels the control drew (null image before the first frame).
  const QImage& Image() const { return view_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  host::WindowImage image_;
  QImage view_;
};

}  // namespace wayband::qt
