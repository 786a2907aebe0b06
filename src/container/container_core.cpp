// Start-up, new instance, destruction and the property setters of the container.
#include "container/container_core.h"

#include "imaging/icon_sizes.h"
#include "platform/imaging_library.h"
#include "platform/os_version.h"
#include "render/draw/font_record.h"
#include "render/scheme/low_color_display.h"
#include "wayband/norvale_container.h"

namespace wayband::container {

ContainerCore::ContainerCore(host::ControlSite& site) : site_(&site) {}

ContainerCore::~ContainerCore() {
  Destroy();
}

void ContainerCore::Create() {
  platform::RecordedOsFlags();
  platform::RecordImagingCapabilities();
  render::CheckLowColorDisplay(nullptr);
  state_.IconSizeIndex = 0;
  state_.IconPixelSize = imaging::IconPixels(0);
  site_->SetFont(render::CloneFont(site_->AmbientFont()));
  site_->Attach(this);
}

void ContainerCore::InitProperties() {
  if (!Alive()) return;
  site_->SetFont(render::CloneFont(site_->AmbientFont()));
  state_.BarColor = kSchemeBarColor;
}

void ContainerCore::Destroy() {
  if (!Alive()) return;
  site_->Attach(nullptr);
  site_ = nullptr;
}

void ContainerCore::Notify(const char* name) {
  if (site_) site_->PropertyChanged(name);
}

void ContainerCore::NotifyAll() {
  if (site_) site_->AllPropertiesChanged();
}

void ContainerCore::SetIconSize(int32_t sizeIndex) {
  if (!Alive()) return;
  state_.IconSizeIndex = sizeIndex;
  state_.IconPixelSize = imaging::IconPixels(sizeIndex);
  Notify("IconSize");
  Resize();
}

void ContainerCore::SetFont(const std::shared_ptr<StdFont>& font) {
  if (!Alive() || !font) return;
  // A copy, so that later changes of the host's object leave the container's font alone.
  // Larger sizes are brought down to the largest that fits the 19-pixel caption bar, as
  // the property promises ("Must be 9pt or smaller"), rather than drawn clipped.
  const std::shared_ptr<StdFont> copy = render::CloneFont(font);
  if (copy->Size() >= kContainerMaxFontPoints) copy->SetSize(kContainerMaxFontPoints);
  site_->SetFont(copy);
  Notify("Font");
  Paint();
}

void ContainerCore::SetCaption(const std::string& caption) {
  if (!Alive()) return;
  state_.Caption = caption;
  Paint();
  Notify("Caption");
}

void ContainerCore::SetAutoSizeControls(bool autoSize) {
  if (!Alive()) return;
  // The controls are arranged at the next resize.
  state_.AutoSizeControls = autoSize;
  Notify("AutoSizeControls");
}

void ContainerCore::SetTopMargin(int32_t pixels) {
  if (!Alive()) return;
  state_.TopMargin = pixels;
  Notify("TopMargin");
  Resize();
}

}  // namespace wayband::container
