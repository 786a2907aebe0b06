// The panel handle: every member looks its control up (empty reads and ignored writes
// once the control is gone) and forwards by panel ID.
#include "wayband/shortcut_panel.h"

#include "core/control_core.h"

namespace wayband {

using core::ControlCore;
using core::PanelRecord;

namespace {

constexpr bool kRefresh = true;
constexpr bool kStoreOnly = false;

template <typename T>
T ReadField(const std::shared_ptr<ControlCore>& control, int32_t id, T PanelRecord::*field) {
  return control ? control->PanelField(id, field) : T{};
}

template <typename T>
void WriteField(const std::shared_ptr<ControlCore>& control, int32_t id, T PanelRecord::*field,
                T value, bool refresh) {
  if (control) control->SetPanelField(id, field, std::move(value), refresh);
}

}  // namespace

std::shared_ptr<ControlCore> ShortcutPanel::Control() const {
  auto control = control_.lock();
  return control && control->Alive() ? control : nullptr;
}

std::string ShortcutPanel::Caption() const {
  return ReadField(Control(), id_, &PanelRecord::sCaption);
}
void ShortcutPanel::SetCaption(const std::string& sCaption) {
  WriteField(Control(), id_, &PanelRecord::sCaption, sCaption, kRefresh);
}
uint32_t ShortcutPanel::BackColor1() const {
  return ReadField(Control(), id_, &PanelRecord::lBackColor1);
}
void ShortcutPanel::SetBackColor1(uint32_t color) {
  WriteField(Control(), id_, &PanelRecord::lBackColor1, color, kRefresh);
}
uint32_t ShortcutPanel::BackColor2() const {
  return ReadField(Control(), id_, &PanelRecord::lBackColor2);
}
void ShortcutPanel::SetBackColor2(uint32_t color) {
  WriteField(Control(), id_, &PanelRecord::lBackColor2, color, kRefresh);
}
uint32_t ShortcutPanel::ForeColor() const {
  return ReadField(Control(), id_, &PanelRecord::lForeColor);
}
void ShortcutPanel::SetForeColor(uint32_t color) {
  WriteField(Control(), id_, &PanelRecord::lForeColor, color, kRefresh);
}
uint32_t ShortcutPanel::BackColorHover1() const {
  return ReadField(Control(), id_, &PanelRecord::lBackColorHover1);
}
void ShortcutPanel::SetBackColorHover1(uint32_t color) {
  WriteField(Control(), id_, &PanelRecord::lBackColorHover1, color, kRefresh);
}
uint32_t ShortcutPanel::BackColorHover2() const {
  return ReadField(Control(), id_, &PanelRecord::lBackColorHover2);
}
void ShortcutPanel::SetBackColorHover2(uint32_t color) {
  WriteField(Control(), id_, &PanelRecord::lBackColorHover2, color, kRefresh);
}
uint32_t ShortcutPanel::ForeColorHover() const {
  return ReadField(Control(), id_, &PanelRecord::lForeColorHover);
}
void ShortcutPanel::SetForeColorHover(uint32_t color) {
  WriteField(Control(), id_, &PanelRecord::lForeColorHover, color, kRefresh);
}
std::string ShortcutPanel::IconKey() const {
  return ReadField(Control(), id_, &PanelRecord::sIconKey);
}
void ShortcutPanel::SetIconKey(const std::string& key) {
  WriteField(Control(), id_, &PanelRecord::sIconKey, key, kRefresh);
}
std::string ShortcutPanel::Key() const {
  return ReadField(Control(), id_, &PanelRecord::sKey);
}
std::string ShortcutPanel::Tag() const {
  return ReadField(Control(), id_, &PanelRecord::sTag);
}
void ShortcutPanel::SetTag(const std::string& tag) {
  WriteField(Control(), id_, &PanelRecord::sTag, tag, kStoreOnly);
}
bool ShortcutPanel::Enabled() const {
  return ReadField(Control(), id_, &PanelRecord::bEnabled);
}
void ShortcutPanel::SetEnabled(bool enabled) {
  WriteField(Control(), id_, &PanelRecord::bEnabled, enabled, kRefresh);
}
std::string ShortcutPanel::ToolTipText() const {
  return ReadField(Control(), id_, &PanelRecord::sToolTipText);
}
void ShortcutPanel::SetToolTipText(const std::string& text) {
  WriteField(Control(), id_, &PanelRecord::sToolTipText, text, kStoreOnly);
}
bool ShortcutPanel::Visible() const {
  return ReadField(Control(), id_, &PanelRecord::bVisible);
}

void ShortcutPanel::SetVisible(bool visible) {
  const auto control = Control();
  // Showing or hiding re-applies BarsToShow; the handle then applies it once more.
  if (control && control->SetPanelVisible(id_, visible) && control->Alive()) {
    control->SetBarsToShow(control->State().BarsToShow);
  }
}

int32_t ShortcutPanel::Index() const {
  const auto control = Control();
  return control ? control->PanelIndex(id_) : 0;
}
void ShortcutPanel::SetIndex(int32_t index) {
  if (const auto control = Control()) control->MovePanel(id_, index);
}

std::shared_ptr<host::ContainedControl> ShortcutPanel::Panel() const {
  const auto control = Control();
  return control ? control->PanelControl(id_) : nullptr;
}
void ShortcutPanel::SetPanel(const std::shared_ptr<host::ContainedControl>& panel) {
  if (const auto control = Control()) control->AssignPanelControl(id_, panel);
}

bool ShortcutPanel::Selected() const {
  const auto control = Control();
  return control && control->PanelSelected(id_);
}
void ShortcutPanel::SetSelected(bool /*selected*/) {
  // The value is not examined: assigning false selects the panel too.
  if (const auto control = Control()) control->SelectPanel(id_);
}

}  // namespace wayband
