// The control's public properties: the host-kept ones and those whose setters do more
// than store, notify and refresh.
#include "core/control_core.h"

namespace wayband::core {

uint32_t ControlCore::BackColor() const {
  return site_ ? site_->BackColor() : 0;
}

void ControlCore::SetBackColor(uint32_t color) {
  if (!Alive()) return;
  site_->SetBackColor(color);
  Notify("BackColor");
  Refresh();
}

uint32_t ControlCore::ForeColor() const {
  return site_ ? site_->ForeColor() : 0;
}

void ControlCore::SetForeColor(uint32_t color) {
  if (!Alive()) return;
  site_->SetForeColor(color);
  Notify("ForeColor");
  Refresh();
}

std::shared_ptr<StdFont> ControlCore::Font() const {
  return site_ ? site_->Font() : nullptr;
}

void ControlCore::SetFont(const std::shared_ptr<StdFont>& font) {
  if (!Alive()) return;
  site_->SetFont(font);
  // Hosts may not carry every attribute over; the bold flag must follow the given font.
  if (const auto hostFont = site_->Font(); font && hostFont) hostFont->SetBold(font->Bold());
  Notify("Font");
  Refresh();
}

bool ControlCore::Enabled() const {
  return site_ && site_->Enabled();
}

void ControlCore::SetEnabled(bool enabled) {
  if (!Alive()) return;
  site_->SetEnabled(enabled);
  for (const auto& control : site_->ContainedControls()) {
    if (control->TypeName() == host::kContainerTypeName) control->SetEnabled(enabled);
  }
  Notify("Enabled");
  Refresh();
}

host::WindowHandle ControlCore::hwnd() const {
  return site_ ? site_->hWnd() : host::kNoWindow;
}

void ControlCore::SetToolbarOnTop(bool onTop) {
  if (!Alive()) return;
  state_.ToolbarOnTop = onTop;
  toolbar_->SetAlign(onTop ? host::StripAlign::kTop : host::StripAlign::kBottom);
  FitToolbarSurface();
  Notify("ToolbarOnTop");
  Refresh();
}

void ControlCore::SetLockSplitter(bool locked) {
  if (!Alive()) return;
  state_.LockSplitter = locked;
  splitBar_->SetMousePointer(locked ? host::MousePointer::kDefault : host::MousePointer::kSizeNS);
  state_.SplitterDrawn = false;
  Notify("LockSplitter");
  Refresh();
}

void ControlCore::SetRedraw(bool redraw) {
  if (!Alive()) return;
  const auto keepAlive = shared_from_this();
  state_.Redraw = redraw;
  Notify("Redraw");
  DoEvents();
  if (!Alive() || !redraw) return;
  // Re-applying BarsToShow refreshes; the one refresh of this setter is that one, or an
  // explicit one when the setter declined (a negative count, a splitter drag step).
  const uint64_t before = refreshesStarted_;
  SetBarsToShow(state_.BarsToShow);
  if (refreshesStarted_ == before) Refresh();
}

std::optional<ShortcutPanel> ControlCore::SelectedBar() {
  if (PanelCount() == 0 || state_.panels.SelectedIndex() == 0) return std::nullopt;
  return PanelHandle(state_.panels.SelectedIndex());
}

}  // namespace wayband::core
