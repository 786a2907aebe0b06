// NorvaleContainerWidget: the captioned container as a Qt widget. It owns the container
// and its site, paints the container's window image, and holds the application's widgets
// as its contained controls: with AutoSizeControls on they fill the area below the
// caption bar whenever the container is resized. It repaints in the desktop's colours
// whenever they change (a palette change the application follows, or a scheme it chose).
// The container's properties are also the widget's, under their names (PropertyMirror).
//
//   wayband::qt::NorvaleContainerWidget box(panel);
//   box.container().SetCaption("Notes");
//   box.container().SetAutoSizeControls(true);
//   box.addWidget(new QTextEdit);
#pragma once

#include <QWidget>
#include <memory>

#include "platform/desktop_settings.h"
#include "qt/image_widget.h"
#include "qt/qt_site.h"
#include "wayband/property_bag.h"

namespace wayband {
class NorvaleContainer;
}

namespace wayband::qt {

class PropertyMirror;

class NorvaleContainerWidget : public ImageWidget, private SiteListener {
  Q_OBJECT

 public:
  // A container in a running application, loaded from `stored` (a form's bag), or a new
  // instance with its defaults without one.
  explicit NorvaleContainerWidget(QWidget* parent = nullptr, const PropertyBag* stored = nullptr);
  ~NorvaleContainerWidget() override;

  NorvaleContainer& container() { return *container_; }
  const NorvaleContainer& container() const { return *container_; }

  // Places an application widget on the container and shows it; the container arranges
  // it at the next resize when it sizes its controls.
  void addWidget(QWidget* widget);

  QSize sizeHint() const override;

 signals:
  // A property of the container changed (empty: any of them).
  void controlPropertyChanged(const QString& name);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // SiteListener
  void ControlPropertyChanged(std::string_view name) override;
  void ControlEvent(std::string_view /*name*/) override {}

  std::unique_ptr<QtSite> site_;
  std::unique_ptr<NorvaleContainer> container_;
  platform::DesktopSubscription desktop_;
  std::unique_ptr<PropertyMirror> mirror_;
};

}  // namespace wayband::qt
