#include "qt/wayband_widget.h"

#include <QDynamicPropertyChangeEvent>
#include <QShowEvent>
#include <algorithm>

#include "platform/desktop_settings.h"
#include "platform/twips.h"
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

bool Mirrored(AutomationType type) {
  switch (type) {
    case AutomationType::kBoolean:
    case AutomationType::kInteger:
    case AutomationType::kLong:
    case AutomationType::kOleColor:
    case AutomationType::kString:
      return true;
    default:
      return false;
  }
}

QVariant QVariantOf(const Variant& value) {
  switch (value.Type()) {
    case VariantType::kBoolean:
      return *value.ToBoolean();
    case VariantType::kInteger:
    case VariantType::kLong:
      return *value.ToLong();
    case VariantType::kColor:
      return static_cast<uint>(*value.ToColor());
    case VariantType::kDouble:
      return *value.ToDouble();
    case VariantType::kString:
      return QString::fromStdString(*value.ToText());
    default:
      return {};
  }
}

Variant VariantOf(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Bool:
      return Variant(value.toBool());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::LongLong:
      return Variant(static_cast<int32_t>(value.toLongLong()));
    case QMetaType::UInt:
    case QMetaType::ULongLong:
      return Variant(static_cast<uint32_t>(value.toULongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
      return Variant(value.toDouble());
    default:
      return Variant(value.toString().toStdString());
  }
}

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
  MirrorProperties({});
}

WaybandWidget::~WaybandWidget() {
  connections_.clear();
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
  if (event->type() == QEvent::DynamicPropertyChange && !mirroring_) {
    const QByteArray name = static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
    const QVariant value = property(name.constData());
    // A value the control refuses gives way to the control's own.
    if (!value.isValid() || !PutProperty(*control_, name.toStdString(), VariantOf(value))) {
      MirrorProperties(name.toStdString());
    }
    return true;
  }
  return ImageWidget::event(event);
}

void WaybandWidget::MirrorProperties(std::string_view name) {
  mirroring_ = true;
  for (const MemberDescription& member : WaybandInterface().members) {
    if (member.kind != MemberKind::kProperty || !member.canGet || !Mirrored(member.type)) continue;
    if (!name.empty() && WaybandInterface().Find(name) != &member) continue;
    if (const auto value = GetProperty(*control_, member.name)) {
      setProperty(std::string(member.name).c_str(), QVariantOf(*value));
    }
  }
  mirroring_ = false;
}

void WaybandWidget::ControlPropertyChanged(std::string_view name) {
  if (control_) MirrorProperties(name);
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
