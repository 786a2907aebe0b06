// WaybandWidget: the Wayband navigation bar as a Qt widget. It owns the control and its
// site, paints the control's window image, passes mouse input and timers on, places the
// application's widgets in the panels, and raises the control's events as signals. Made
// with its parent inside a window, a running control hooks that window and follows the
// desktop through its messages; made without one, it polls the desktop's colour scheme.
// While hidden it has no room for large bars: choose BarsToShow once it is shown.
//
//   wayband::qt::WaybandWidget bar(window);
//   auto mail = bar.control().WaybandPanels().Add(wayband::Variant("mail"), {}, "Mail");
//   bar.setPanelWidget("mail", new QTreeView);
//   QObject::connect(&bar, &WaybandWidget::barClick, ...);
//
// Every property of the control is also a property of the widget under its name
// (widget.setProperty("AutoHide", true), widget.property("BarsToShow")), kept in step
// with the control in both directions.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

#include "qt/image_widget.h"
#include "qt/qt_site.h"
#include "wayband/event.h"
#include "wayband/property_bag.h"
#include "wayband/shortcut_panel.h"

namespace wayband {
class Wayband;
}

namespace wayband::qt {

class PropertyMirror;

class WaybandWidget : public ImageWidget, private SiteListener {
  Q_OBJECT

 public:
  // A control in a running application. It loads its properties from `stored` (a form's
  // bag), or starts from the stored defaults without one, as a loaded form's control does,
  // and so watches the desktop's colour scheme.
  explicit WaybandWidget(QWidget* parent = nullptr, const PropertyBag* stored = nullptr);
  // `designMode`: a control on a form designer's surface, a new instance with its
  // defaults when nothing is stored.
  WaybandWidget(QWidget* parent, const PropertyBag* stored, bool designMode);
  ~WaybandWidget() override;

  Wayband& control() { return *control_; }
  const Wayband& control() const { return *control_; }

  // Makes `widget` the child widget of the panel with `key` (its Panel property): the
  // control shows it in the panel area while that panel is selected. Null detaches the
  // current one. False when there is no such panel.
  bool setPanelWidget(const QString& key, QWidget* widget);
  QWidget* panelWidget(const QString& key) const;
  // The contained control of an application widget, for a panel's Panel property:
  // panel.SetPanel(bar.contain(widget)) does what setPanelWidget does.
  std::shared_ptr<host::ContainedControl> contain(QWidget* widget);

  // While true (the default) the desktop's colours follow the application's palette:
  // each palette, style or theme change sets them, and the control repaints in them. The
  // desktop is the process's, so this chooses for every control of the application.
  void setFollowPalette(bool follow);
  bool followsPalette() const;

  // Wide enough for the captions, tall enough for every visible bar above a panel area
  // of kPreferredPanelRows bar heights.
  QSize sizeHint() const override;
  // The bars all in the toolbar and a sliver of panel area.
  QSize minimumSizeHint() const override;

 signals:
  void barClick(wayband::ShortcutPanel panel);
  void barRightClick(wayband::ShortcutPanel panel);
  void barHover(wayband::ShortcutPanel panel);
  void panelResize(bool end);
  void showChevronMenu();
  // Every event the control raises, by name, after its own signal.
  void controlEvent(const QString& name);
  // A property of the control changed (empty: any of them).
  void controlPropertyChanged(const QString& name);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void ConnectEvents();
  // SiteListener
  void ControlPropertyChanged(std::string_view name) override;
  void ControlEvent(std::string_view name) override;

  std::unique_ptr<QtSite> site_;
  std::unique_ptr<Wayband> control_;
  std::vector<ScopedConnection> connections_;
  std::unique_ptr<PropertyMirror> mirror_;
};

}  // namespace wayband::qt
