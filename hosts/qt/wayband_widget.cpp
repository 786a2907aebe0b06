#include "qt/wayband_widget.h"

#include <QShowEvent>
#include <algorithm>

#include "platform/desktop_settings.h"
#include "platform/twips.h"
#include "qt/property_mirror.h"
#include "qt/qt_desktop.h"
#include "qt/qt_environment.h"
#include "qt/qt_windows.h"
#include "wayband/interface_description.h"
#include "wayband/wayband.h"

namespace wayband::qt {

namespace {

// A roomy panel area below the bars, in bar heights, and the width a bar's caption gets.
constexpr int kPreferredPanelRows = 8;
constexpr int kPreferredWidth = 200;
// What MaxBars leaves above and below the bar stack, in bar heights.
constexpr int kRowsBesideBars = 3;
// The narrowest control still shows the chevron and a few toolbar buttons.
constexpr int kMinimumWidthRows = 4;

}  // namespace

WaybandWidget::WaybandWidget(QWidget* parent, const PropertyBag* stored)
    : WaybandWidget(parent, stored, false) {}

WaybandWidget::WaybandWidget(QWidget* parent, const PropertyBag* stored, bool designMode)
    : ImageWidget(parent) {
  QtEnvironment::Instance();
  SiteListener& listener = *this;
  site_ = std::make_unique<QtSite>(*this, listener, !designMode);
  control_ = std::make_unique<Wayband>(*site_);
  if (stored) {
    control_->ReadProperties(*stored);
  } else if (designMode) {
    control_->InitProperties();
  } else {
    control_->ReadProperties(PropertyBag());
  }
  ConnectEvents();
  mirror_ = std::make_unique<PropertyMirror>(
      *this, WaybandInterface(),
      [this](std::string_view name) { return GetProperty(*control_, name); },
      [this](std::string_view name, const Variant& value) {
        return PutProperty(*control_, name, value);
      });
  mirror_->Copy({});
}

WaybandWidget::~WaybandWidget() {
  connections_.clear();
  mirror_.reset();
  control_.reset();
  site_.reset();
}

void WaybandWidget::ConnectEvents() {
  // Each handler emits last: a slot may destroy the widget.
  connections_.push_back(
      control_->BarClick.ConnectScoped([this](ShortcutPanel& panel) { emit barClick(panel); }));
  connections_.push_back(control_->BarRightClick.ConnectScoped(
      [this](ShortcutPanel& panel) { emit barRightClick(panel); }));
  connections_.push_back(
      control_->BarHover.ConnectScoped([this](ShortcutPanel& panel) { emit barHover(panel); }));
  connections_.push_back(
      control_->PanelResize.ConnectScoped([this](bool& end) { emit panelResize(end); }));
  connections_.push_back(
      control_->ShowChevronMenu.ConnectScoped([this] { emit showChevronMenu(); }));
}

bool WaybandWidget::setPanelWidget(const QString& key, QWidget* widget) {
  auto panel = control_->WaybandPanels().Item(Variant(key.toStdString()));
  if (!panel) return false;
  panel->SetPanel(contain(widget));
  return true;
}

std::shared_ptr<host::ContainedControl> WaybandWidget::contain(QWidget* widget) {
  if (!widget) return nullptr;
  return site_->Contain(widget);
}

QWidget* WaybandWidget::panelWidget(const QString& key) const {
  auto panel = control_->WaybandPanels().Item(Variant(key.toStdString()));
  if (!panel) return nullptr;
  const auto contained = panel->Panel();
  return contained ? QtWindows::Instance().Widget(contained->hWnd()) : nullptr;
}

void WaybandWidget::setFollowPalette(bool follow) {
  QtEnvironment::Instance().Desktop().SetFollowPalette(follow);
}

bool WaybandWidget::followsPalette() const {
  return QtEnvironment::Instance().Desktop().FollowsPalette();
}

void WaybandWidget::resizeEvent(QResizeEvent* event) {
  ImageWidget::resizeEvent(event);
  // Qt's layouts resize a control while its window stays as it is (a splitter between
  // them dragged, a layout changed): that too starts a size, so that automatic hiding
  // returns to the bars shown now rather than to those of the window's last size.
  QtWindows::Instance().GeometryChanging(window());
  site_->Resized();
}

void WaybandWidget::showEvent(QShowEvent* event) {
  ImageWidget::showEvent(event);
  if (!event->spontaneous()) site_->Shown();
}

bool WaybandWidget::event(QEvent* event) {
  return (mirror_ && mirror_->HandleEvent(event)) || ImageWidget::event(event);
}

void WaybandWidget::ControlPropertyChanged(std::string_view name) {
  if (mirror_) mirror_->Copy(name);
  emit controlPropertyChanged(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

void WaybandWidget::ControlEvent(std::string_view name) {
  emit controlEvent(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QSize WaybandWidget::sizeHint() const {
  const WaybandInspection state = control_->Inspect();
  const int row =
      std::max(1, platform::TwipsToPixels(state.ctlToolbar.height, site_->TwipsPerPixelY()));
  int visible = 0;
  for (const InspectedPanel& panel : state.panels)
    visible += panel.bVisible ? 1 : 0;
  return {kPreferredWidth * logicalDpiX() / platform::kDefaultLogicalDpi,
          row * (visible + kRowsBesideBars + kPreferredPanelRows)};
}

QSize WaybandWidget::minimumSizeHint() const {
  const WaybandInspection state = control_->Inspect();
  const int row =
      std::max(1, platform::TwipsToPixels(state.ctlToolbar.height, site_->TwipsPerPixelY()));
  return {row * kMinimumWidthRows, row * kRowsBesideBars};
}

}  // namespace wayband::qt
