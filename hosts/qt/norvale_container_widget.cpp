#include "qt/norvale_container_widget.h"

#include <QShowEvent>

#include "qt/property_mirror.h"
#include "qt/qt_environment.h"
#include "wayband/container_interface.h"
#include "wayband/norvale_container.h"

namespace wayband::qt {

namespace {
// The caption bar's height, and a roomy area below it, in pixels at the default DPI.
constexpr int kCaptionBarPixels = 19;
constexpr int kPreferredWidth = 200;
constexpr int kPreferredContentHeight = 160;
}  // namespace

NorvaleContainerWidget::NorvaleContainerWidget(QWidget* parent, const PropertyBag* stored)
    : ImageWidget(parent) {
  QtEnvironment::Instance();
  SiteListener& listener = *this;
  site_ = std::make_unique<QtSite>(*this, listener, true);
  container_ = std::make_unique<NorvaleContainer>(*site_);
  if (stored) {
    container_->ReadProperties(*stored);
  } else {
    container_->InitProperties();
  }
  mirror_ = std::make_unique<PropertyMirror>(
      *this, NorvaleContainerInterface(),
      [this](std::string_view name) { return GetProperty(*container_, name); },
      [this](std::string_view name, const Variant& value) {
        return PutProperty(*container_, name, value);
      });
  mirror_->Copy({});
  // After the desktop's other listeners (the broadcast to the windows) heard of it.
  desktop_ = platform::CurrentDesktop().Subscribe([this](platform::DesktopChange) {
    if (container_) container_->RefreshColours();
  });
}

NorvaleContainerWidget::~NorvaleContainerWidget() {
  desktop_.Reset();
  mirror_.reset();
  container_.reset();
  site_.reset();
}

void NorvaleContainerWidget::addWidget(QWidget* widget) {
  if (!widget) return;
  site_->Contain(widget);
  widget->show();
}

QSize NorvaleContainerWidget::sizeHint() const {
  const int dpi = logicalDpiY();
  return {kPreferredWidth * logicalDpiX() / platform::kDefaultLogicalDpi,
          (kCaptionBarPixels + kPreferredContentHeight) * dpi / platform::kDefaultLogicalDpi};
}

void NorvaleContainerWidget::resizeEvent(QResizeEvent* event) {
  ImageWidget::resizeEvent(event);
  site_->Resized();
}

void NorvaleContainerWidget::showEvent(QShowEvent* event) {
  ImageWidget::showEvent(event);
  if (!event->spontaneous()) site_->Shown();
}

bool NorvaleContainerWidget::event(QEvent* event) {
  return (mirror_ && mirror_->HandleEvent(event)) || ImageWidget::event(event);
}

void NorvaleContainerWidget::ControlPropertyChanged(std::string_view name) {
  if (mirror_) mirror_->Copy(name);
  emit controlPropertyChanged(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace wayband::qt
