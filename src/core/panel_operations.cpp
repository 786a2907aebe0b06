// The panel store's operations: Add, Item, Remove, Clear, and what the panel handles do.
#include <string>
#include <string_view>

#include "core/control_core.h"
#include "wayband/error.h"

namespace wayband::core {

namespace {
// Prefix of the key a panel gets when the host gives none.
constexpr std::string_view kGeneratedKeyPrefix = "C";

// The key of a panel added without one: the prefix and the panel's ID. The ID is appended
// to the prefix rather than the prefix inserted before the ID's digits.
std::string GeneratedKey(int32_t id) {
  std::string key(kGeneratedKeyPrefix);
  key += std::to_string(id);
  return key;
}
}  // namespace

std::optional<int32_t> ControlCore::ResolveKeyBefore(const Variant& keyBefore) const {
  if (!keyBefore.IsNumeric()) return state_.panels.Resolve(keyBefore);
  // A numeric position is looked up while there are records to index: it must name one.
  if (PanelCount() == 0) return std::nullopt;
  const auto position = keyBefore.ToDouble();
  if (*position > PanelCount()) return state_.panels.Resolve(keyBefore);
  const auto index = Variant(*position < 1.0 ? 1.0 : *position).ToLong();
  const PanelRecord* record = index ? state_.panels.At(*index) : nullptr;
  if (!record) return std::nullopt;
  return state_.panels.Resolve(Variant(record->sKey));
}

std::optional<ShortcutPanel> ControlCore::AddPanel(const Variant& key, const Variant& keyBefore,
                                                   const std::string& caption,
                                                   const std::string& iconKey) {
  if (!Alive()) return std::nullopt;
  const auto keepAlive = shared_from_this();
  std::optional<std::string> givenKey;
  if (!key.IsEmpty()) {
    if (key.IsNumeric()) return std::nullopt;
    givenKey = key.ToText();
    if (!givenKey || state_.panels.KeyInUse(*givenKey)) return std::nullopt;
  }
  int32_t before = 0;
  if (!keyBefore.IsEmpty()) {
    const auto resolved = ResolveKeyBefore(keyBefore);
    if (!resolved) return std::nullopt;
    before = *resolved;
  }
  PanelRecord record;
  record.sCaption = caption;
  record.sIconKey = iconKey;
  record.lID = state_.panels.TakeNextId();
  record.sKey = givenKey ? *givenKey : GeneratedKey(record.lID);
  const int32_t id = record.lID;
  state_.panels.Insert(before, std::move(record));
  if (state_.BarsToShow == 0) state_.BarsToShow = 1;
  ShortcutPanel handle(weak_from_this(), id);
  if (state_.BarsToShow == 1) SetBarsToShow(0);
  if (!Alive()) return handle;
  splitBar_->SetVisible(true);
  if (state_.Redraw) Refresh();
  DoEvents();
  return handle;
}

std::optional<ShortcutPanel> ControlCore::ItemPanel(const Variant& key) {
  if (!Alive()) return std::nullopt;
  if (PanelCount() == 0) throw SubscriptOutOfRange();
  const auto index = state_.panels.Resolve(key);
  if (!index) return std::nullopt;
  return PanelHandle(*index);
}

void ControlCore::HideAssignedControl(int32_t id) {
  const PanelRecord* record = state_.panels.FindById(id);
  if (!record) return;
  if (const auto control = ContainedControl(record->lPanelCtlPtr)) {
    ShowOrHideControl(*control, false);
  }
}

void ControlCore::ReselectIfSelectedHidden() {
  const PanelRecord* selected = state_.panels.At(state_.panels.SelectedIndex());
  if (PanelCount() > 0 && selected && !selected->bVisible) {
    state_.panels.SetSelectedIndex(state_.panels.FirstVisibleIndex());
  }
}

void ControlCore::RemovePanel(const Variant& key) {
  if (!Alive()) return;
  const auto keepAlive = shared_from_this();
  const auto index = state_.panels.Resolve(key);
  if (!index || *index == 0) return;
  const int32_t id = state_.panels.At(*index)->lID;
  HideAssignedControl(id);
  if (!Alive()) return;
  state_.panels.RemoveAt(state_.panels.IndexOfId(id));
  SetBarsToShow(state_.BarsToShow - 1);
  if (!Alive()) return;
  if (PanelCount() < state_.BarsToShow) --state_.BarsToShow;
  if (state_.BarsToShow <= 0 && PanelCount() >= 2) state_.BarsToShow = 1;
  ReselectIfSelectedHidden();
  SetBarsToShow(state_.BarsToShow);
  Refresh();
}

void ControlCore::ClearPanels() {
  if (!Alive()) return;
  const auto keepAlive = shared_from_this();
  const bool redraw = state_.Redraw;
  SetRedraw(false);
  for (int32_t index = PanelCount(); index >= 1 && Alive(); --index) {
    RemovePanel(Variant(index));
  }
  SetRedraw(redraw);
}

void ControlCore::MovePanel(int32_t id, int32_t newIndex) {
  const int32_t index = state_.panels.IndexOfId(id);
  if (index == 0) return;
  state_.panels.Move(index, newIndex);
  Refresh();
}

bool ControlCore::PanelSelected(int32_t id) const {
  const int32_t index = state_.panels.IndexOfId(id);
  return index != 0 && index == state_.panels.SelectedIndex();
}

void ControlCore::SelectPanel(int32_t id) {
  const int32_t index = state_.panels.IndexOfId(id);
  if (index == 0 || index == state_.panels.SelectedIndex()) return;
  state_.panels.SetSelectedIndex(index);
  Refresh();
  ArrangeChildControls();
}

bool ControlCore::SetPanelVisible(int32_t id, bool visible) {
  PanelRecord* record = state_.panels.FindById(id);
  if (!record) return false;
  record->bVisible = visible;
  ReselectIfSelectedHidden();
  SetBarsToShow(state_.BarsToShow);
  return true;
}

std::shared_ptr<host::ContainedControl> ControlCore::PanelControl(int32_t id) const {
  const PanelRecord* record = state_.panels.FindById(id);
  return record ? ContainedControl(record->lPanelCtlPtr) : nullptr;
}

void ControlCore::AssignPanelControl(int32_t id,
                                     const std::shared_ptr<host::ContainedControl>& control) {
  if (!Alive() || !state_.panels.FindById(id)) return;
  HideAssignedControl(id);
  PanelRecord* record = state_.panels.FindById(id);
  if (!Alive() || !record) return;
  if (!control) {
    record->lPanelCtlPtr = host::kNoControl;
    return;
  }
  control->SetContainer(site_->hWnd());
  record->lPanelCtlPtr = control->Identity();
  if (!PanelSelected(id)) {
    ShowOrHideControl(*control, false);
  } else {
    ArrangeChildControls();
  }
}

}  // namespace wayband::core
