// The public NorvaleContainer: each member forwards to the container core, held for the
// call so that host code destroying the container meanwhile leaves the call safe.
#include "wayband/norvale_container.h"

#include "container/container_access.h"

namespace wayband {

using container::ContainerState;

NorvaleContainer::NorvaleContainer(host::ControlSite& site)
    : core_(std::make_shared<container::ContainerCore>(site)) {
  core_->Create();
  core::RegisterContainer(core_);
}

NorvaleContainer::~NorvaleContainer() {
  core_->Destroy();
}

void NorvaleContainer::InitProperties() {
  std::shared_ptr(core_)->InitProperties();
}
void NorvaleContainer::WriteProperties(PropertyBag& bag) const {
  std::shared_ptr(core_)->WriteProperties(bag);
}
void NorvaleContainer::ReadProperties(const PropertyBag& bag) {
  std::shared_ptr(core_)->ReadProperties(bag);
}

bool NorvaleContainer::Enabled() const {
  return core_->Site() ? core_->Site()->Enabled() : false;
}
void NorvaleContainer::SetEnabled(bool enabled) {
  std::shared_ptr(core_)->SetHostKept(&host::ControlSite::SetEnabled, enabled, "Enabled");
}
eAlphaIconSizes NorvaleContainer::IconSize() const {
  return static_cast<eAlphaIconSizes>(core_->State().IconSizeIndex);
}
void NorvaleContainer::SetIconSize(eAlphaIconSizes size) {
  std::shared_ptr(core_)->SetIconSize(static_cast<int32_t>(size));
}
std::shared_ptr<StdFont> NorvaleContainer::Font() const {
  return core_->Site() ? core_->Site()->Font() : nullptr;
}
void NorvaleContainer::SetFont(const std::shared_ptr<StdFont>& font) {
  std::shared_ptr(core_)->SetFont(font);
}
uint32_t NorvaleContainer::ForeColor() const {
  return core_->Site() ? core_->Site()->ForeColor() : 0;
}
void NorvaleContainer::SetForeColor(uint32_t color) {
  std::shared_ptr(core_)->SetHostKept(&host::ControlSite::SetForeColor, color, "ForeColor");
}
std::string NorvaleContainer::IconKey() const {
  return core_->State().IconKey;
}
void NorvaleContainer::SetIconKey(const std::string& key) {
  // The host hears this one under the spelling the container has always used.
  std::shared_ptr(core_)->StoreNotifyPaint(&ContainerState::IconKey, key, "Iconkey");
}
uint32_t NorvaleContainer::BackColor() const {
  return core_->Site() ? core_->Site()->BackColor() : 0;
}
void NorvaleContainer::SetBackColor(uint32_t color) {
  std::shared_ptr(core_)->SetHostKept(&host::ControlSite::SetBackColor, color, "BackColor");
}
uint32_t NorvaleContainer::BarColor() const {
  return core_->State().BarColor;
}
void NorvaleContainer::SetBarColor(uint32_t color) {
  std::shared_ptr(core_)->StoreNotifyPaint(&ContainerState::BarColor, color, "BarColor");
}
std::string NorvaleContainer::Caption() const {
  return core_->State().Caption;
}
void NorvaleContainer::SetCaption(const std::string& caption) {
  std::shared_ptr(core_)->SetCaption(caption);
}
bool NorvaleContainer::AutoSizeControls() const {
  return core_->State().AutoSizeControls;
}
void NorvaleContainer::SetAutoSizeControls(bool autoSize) {
  std::shared_ptr(core_)->SetAutoSizeControls(autoSize);
}
int32_t NorvaleContainer::TopMargin() const {
  return core_->State().TopMargin;
}
void NorvaleContainer::SetTopMargin(int32_t pixels) {
  std::shared_ptr(core_)->SetTopMargin(pixels);
}
int32_t NorvaleContainer::hWnd() const {
  return core_->ContainerWindow();
}

bool NorvaleContainer::AddIconFromFile(const std::string& sFile, const std::string& sKey) {
  const std::shared_ptr<container::ContainerCore> core = core_;
  core->AddIconFromFile(sFile, sKey);
  return core->Icons().Contains(sKey);
}
void NorvaleContainer::RemoveIcon(const std::string& sKey) {
  std::shared_ptr(core_)->RemoveIcon(sKey);
}
void NorvaleContainer::ClearIcons() {
  core_->ClearIcons();
}
std::vector<std::string> NorvaleContainer::IconKeys() const {
  std::vector<std::string> keys;
  for (const auto& icon : core_->Icons().Items())
    keys.push_back(icon.Key());
  return keys;
}
void NorvaleContainer::RefreshColours() {
  std::shared_ptr(core_)->RefreshColours();
}
ContainerInspection NorvaleContainer::Inspect() const {
  return core_->Inspect();
}

}  // namespace wayband
