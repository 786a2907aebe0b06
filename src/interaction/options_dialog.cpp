#include "interaction/options_dialog.h"

#include <algorithm>
#include <array>

#include "core/control_core.h"

namespace wayband::interaction {

namespace {

using host::DialogItem;
using host::DialogItemKind;

constexpr const char* kFontName = "Tahoma";
constexpr double kFontSize = 8.0;
// The client area: the buttons' right edge (4605 twips) and the OK row's bottom (2505)
// with the same margin as the list's left edge keeps from the label (about 120 twips).
constexpr double kClientWidth = 4725.0;
constexpr double kClientHeight = 2625.0;

const std::array<DialogItem, 8>& Layout() {
  static const std::array<DialogItem, 8> items{{
      {"Label1", DialogItemKind::kLabel, "Display buttons in this order", 90, 120, 0, 0},
      {"Line1", DialogItemKind::kEtchedRule, "", 2160, 215, 2400, 15},
      {kLstBars, DialogItemKind::kCheckList, "", 225, 420, 3135, 1635},
      {kCmdUp, DialogItemKind::kButton, "Move &Up", 3480, 415, 1125, 345},
      {kCmdDown, DialogItemKind::kButton, "Move &Down", 3480, 865, 1125, 345},
      {kCmdReset, DialogItemKind::kButton, "&Reset", 3480, 1440, 1125, 345},
      {kCmdOK, DialogItemKind::kButton, "OK", 2215, 2160, 1125, 345, true, false},
      {kCmdCancel, DialogItemKind::kButton, "Cancel", 3480, 2160, 1125, 345, false, true},
  }};
  return items;
}

}  // namespace

frmOptions::frmOptions(std::weak_ptr<core::ControlCore> owner) : owner_(std::move(owner)) {}

void frmOptions::Fill() {
  lstBars_.clear();
  current_ = -1;
  if (const auto core = owner_.lock(); core && core->Alive()) {
    const auto& records = core->State().panels.Records();
    for (size_t i = 0; i < records.size(); ++i) {
      lstBars_.push_back(
          {records[i].sCaption, static_cast<int32_t>(i) + 1, records[i].bVisible, records[i].lID});
    }
  }
  if (!lstBars_.empty()) current_ = 0;
  UpdateButtons();
}

bool frmOptions::HasCurrent() const {
  return current_ >= 0 && static_cast<size_t>(current_) < lstBars_.size();
}

void frmOptions::UpdateButtons() {
  const auto count = static_cast<int32_t>(lstBars_.size());
  if (count < 2) {
    upEnabled_ = downEnabled_ = resetEnabled_ = false;
    return;
  }
  // With no current entry both moves stay enabled (and do nothing).
  upEnabled_ = current_ != 0;
  downEnabled_ = current_ != count - 1;
  resetEnabled_ = true;
}

void frmOptions::Swap(int32_t a, int32_t b) {
  std::swap(lstBars_[static_cast<size_t>(a)], lstBars_[static_cast<size_t>(b)]);
  current_ = static_cast<int16_t>(b);
  UpdateButtons();
}

void frmOptions::MoveUp() {
  if (HasCurrent() && current_ > 0) Swap(current_, current_ - 1);
}

void frmOptions::MoveDown() {
  if (HasCurrent() && static_cast<size_t>(current_) + 1 < lstBars_.size())
    Swap(current_, current_ + 1);
}

void frmOptions::Reset() {
  const int32_t currentId = HasCurrent() ? lstBars_[static_cast<size_t>(current_)].panelId : 0;
  std::stable_sort(lstBars_.begin(), lstBars_.end(),
                   [](const Entry& a, const Entry& b) { return a.panelId < b.panelId; });
  for (Entry& entry : lstBars_) {
    entry.ticked = true;
    if (currentId != 0 && entry.panelId == currentId)
      current_ = static_cast<int16_t>(&entry - lstBars_.data());
  }
  UpdateButtons();
}

void frmOptions::OK() {
  closed_ = true;
  const auto core = owner_.lock();
  if (!core || !core->Alive()) return;
  core->BeginReorder();
  const auto& records = core->State().panels.Records();
  for (size_t i = 0; i < records.size(); ++i) {
    const auto index = static_cast<int32_t>(i) + 1;
    const auto entry = std::find_if(lstBars_.begin(), lstBars_.end(),
                                    [&](const Entry& e) { return e.itemData == index; });
    if (entry == lstBars_.end()) continue;
    core->PlaceRecord(static_cast<int32_t>(entry - lstBars_.begin()) + 1, records[i].lID,
                      entry->ticked);
  }
  core->EndReorder();
}

void frmOptions::Cancel() {
  closed_ = true;
}

void frmOptions::ListClick(int32_t entry) {
  if (entry >= 0 && static_cast<size_t>(entry) < lstBars_.size())
    current_ = static_cast<int16_t>(entry);
  UpdateButtons();
}

std::string frmOptions::FontName() const {
  return kFontName;
}
double frmOptions::FontSize() const {
  return kFontSize;
}
double frmOptions::ClientWidth() const {
  return kClientWidth;
}
double frmOptions::ClientHeight() const {
  return kClientHeight;
}

std::span<const DialogItem> frmOptions::Items() const {
  return Layout();
}

std::vector<host::DialogListEntry> frmOptions::ListEntries(std::string_view list) const {
  std::vector<host::DialogListEntry> entries;
  if (list != kLstBars) return entries;
  for (const Entry& entry : lstBars_)
    entries.push_back({entry.text, entry.ticked});
  return entries;
}

int32_t frmOptions::CurrentEntry(std::string_view list) const {
  return list == kLstBars ? current_ : -1;
}

bool frmOptions::ItemEnabled(std::string_view name) const {
  if (name == kCmdUp) return upEnabled_;
  if (name == kCmdDown) return downEnabled_;
  if (name == kCmdReset) return resetEnabled_;
  return true;
}

void frmOptions::ClickButton(std::string_view name) {
  if (closed_ || !ItemEnabled(name)) return;
  if (name == kCmdUp) {
    MoveUp();
  } else if (name == kCmdDown) {
    MoveDown();
  } else if (name == kCmdReset) {
    Reset();
  } else if (name == kCmdOK) {
    OK();
  } else if (name == kCmdCancel) {
    Cancel();
  }
}

void frmOptions::ClickEntry(std::string_view list, int32_t entry) {
  if (!closed_ && list == kLstBars) ListClick(entry);
}

void frmOptions::SetTicked(std::string_view list, int32_t entry, bool ticked) {
  if (closed_ || list != kLstBars) return;
  if (entry >= 0 && static_cast<size_t>(entry) < lstBars_.size())
    lstBars_[static_cast<size_t>(entry)].ticked = ticked;
  ListClick(entry);
}

}  // namespace wayband::interaction
