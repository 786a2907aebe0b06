// The public Wayband class: each member forwards to the control core. The core is held
// for the duration of every call, so a host handler that destroys the control during the
// call (while the host processes messages, or in an event) leaves the call safe. Creation
// and destruction assemble the core with its input (interaction/wayband_assembly.cpp).
#include "wayband/wayband_control.h"

#include "core/bar_pass.h"
#include "core/control_core.h"

namespace wayband {

using core::ControlState;

void Wayband::InitProperties() {
  std::shared_ptr(core_)->InitProperties();
}

void Wayband::WriteProperties(PropertyBag& bag) const {
  std::shared_ptr(core_)->WriteProperties(bag);
}

void Wayband::ReadProperties(const PropertyBag& bag) {
  std::shared_ptr(core_)->ReadProperties(bag);
}

uint32_t Wayband::BackColor() const {
  return core_->BackColor();
}
void Wayband::SetBackColor(uint32_t color) {
  std::shared_ptr(core_)->SetBackColor(color);
}
uint32_t Wayband::HoverColor() const {
  return core_->State().HoverColor;
}
void Wayband::SetHoverColor(uint32_t color) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::HoverColor, color, "HoverColor");
}

std::shared_ptr<Picture> Wayband::BackgroundPicture() const {
  return core_->State().BackgroundPicture;
}
void Wayband::SetBackgroundPicture(std::shared_ptr<Picture> picture) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::BackgroundPicture, std::move(picture),
                                             "BackgroundPicture");
}
std::shared_ptr<Picture> Wayband::BarPicture() const {
  return core_->State().BarPicture;
}
void Wayband::SetBarPicture(std::shared_ptr<Picture> picture) {
  const std::shared_ptr<core::ControlCore> core = core_;
  core::MarkBarImagesStale(core->MutableState());
  core->StoreNotifyRefresh(&ControlState::BarPicture, std::move(picture), "BarPicture");
}
std::shared_ptr<Picture> Wayband::BarHoverPicture() const {
  return core_->State().BarHoverPicture;
}
void Wayband::SetBarHoverPicture(std::shared_ptr<Picture> picture) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::BarHoverPicture, std::move(picture),
                                             "BarHoverPicture");
}
std::shared_ptr<Picture> Wayband::BarSelectedPicture() const {
  return core_->State().BarSelectedPicture;
}
void Wayband::SetBarSelectedPicture(std::shared_ptr<Picture> picture) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::BarSelectedPicture, std::move(picture),
                                             "BarSelectedPicture");
}
std::shared_ptr<Picture> Wayband::BarPressedPicture() const {
  return core_->State().BarPressedPicture;
}
void Wayband::SetBarPressedPicture(std::shared_ptr<Picture> picture) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::BarPressedPicture, std::move(picture),
                                             "BarPressedPicture");
}
std::shared_ptr<Picture> Wayband::ToolbarPicture() const {
  return core_->State().ToolbarPicture;
}
void Wayband::SetToolbarPicture(std::shared_ptr<Picture> picture) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::ToolbarPicture, std::move(picture),
                                             "ToolbarPicture");
}
std::shared_ptr<Picture> Wayband::HeaderPicture() const {
  return core_->State().HeaderPicture;
}
void Wayband::SetHeaderPicture(std::shared_ptr<Picture> picture) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::HeaderPicture, std::move(picture),
                                             "HeaderPicture");
}

bool Wayband::ShowHeaderIcon() const {
  return core_->State().ShowHeaderIcon;
}
void Wayband::SetShowHeaderIcon(bool show) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::ShowHeaderIcon, show, "ShowHeaderIcon");
}
bool Wayband::ToolbarOnTop() const {
  return core_->State().ToolbarOnTop;
}
void Wayband::SetToolbarOnTop(bool onTop) {
  std::shared_ptr(core_)->SetToolbarOnTop(onTop);
}
bool Wayband::LockSplitter() const {
  return core_->State().LockSplitter;
}
void Wayband::SetLockSplitter(bool locked) {
  std::shared_ptr(core_)->SetLockSplitter(locked);
}
bool Wayband::Center() const {
  return core_->State().Center;
}
void Wayband::SetCenter(bool center) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::Center, center, "Center");
}
bool Wayband::AutoHide() const {
  return core_->State().AutoHide;
}
void Wayband::SetAutoHide(bool autoHide) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::AutoHide, autoHide, "AutoHide");
}
bool Wayband::Enabled() const {
  return core_->Enabled();
}
void Wayband::SetEnabled(bool enabled) {
  std::shared_ptr(core_)->SetEnabled(enabled);
}

ShortcutPanels Wayband::WaybandPanels() const {
  return core_->PanelsHandle();
}

std::shared_ptr<StdFont> Wayband::Font() const {
  return core_->Font();
}
void Wayband::SetFont(const std::shared_ptr<StdFont>& font) {
  std::shared_ptr(core_)->SetFont(font);
}
std::shared_ptr<StdFont> Wayband::SelectedFont() const {
  return core_->State().SelectedFont;
}
void Wayband::SetSelectedFont(std::shared_ptr<StdFont> font) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::SelectedFont, std::move(font),
                                             "SelectedFont");
}
std::shared_ptr<StdFont> Wayband::HeaderFont() const {
  return core_->State().HeaderFont;
}
void Wayband::SetHeaderFont(std::shared_ptr<StdFont> font) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::HeaderFont, std::move(font),
                                             "HeaderFont");
}

uint32_t Wayband::ForeColor() const {
  return core_->ForeColor();
}
void Wayband::SetForeColor(uint32_t color) {
  std::shared_ptr(core_)->SetForeColor(color);
}
uint32_t Wayband::HeaderForeColor() const {
  return core_->State().HeaderForeColor;
}
void Wayband::SetHeaderForeColor(uint32_t color) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::HeaderForeColor, color,
                                             "HeaderForeColor");
}

int32_t Wayband::hwnd() const {
  return core_->hwnd();
}
bool Wayband::Redraw() const {
  return core_->State().Redraw;
}
void Wayband::SetRedraw(bool redraw) {
  std::shared_ptr(core_)->SetRedraw(redraw);
}
bool Wayband::RightToLeft() const {
  return core_->State().RightToLeft;
}
void Wayband::SetRightToLeft(bool rightToLeft) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::RightToLeft, rightToLeft,
                                             "RightToLeft");
}

std::optional<ShortcutPanel> Wayband::SelectedBar() const {
  return core_->SelectedBar();
}
void Wayband::SetSelectedBar(const std::optional<ShortcutPanel>& panel) {
  const auto keepAlive = core_;
  if (!panel || !panel->Visible() || !panel->Enabled()) return;
  ShortcutPanel target = *panel;
  target.SetSelected(true);
}

std::string Wayband::EmptyPanelCaption() const {
  return core_->State().EmptyPanelCaption;
}
void Wayband::SetEmptyPanelCaption(const std::string& caption) {
  std::shared_ptr(core_)->StoreNotifyRefresh(&ControlState::EmptyPanelCaption, caption,
                                             "EmptyPanelCaption");
}

int32_t Wayband::BarsToShow() const {
  return core_->State().BarsToShow;
}
void Wayband::SetBarsToShow(int32_t bars) {
  std::shared_ptr(core_)->SetBarsToShow(bars);
}

}  // namespace wayband
