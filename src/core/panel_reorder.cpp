// Reordering the panel store in one step, as the navigation options dialog's OK does it:
// the new order is built in ReorderRecords while the control keeps drawing from the old
// store, then replaces it.
#include <algorithm>

#include "core/control_core.h"

namespace wayband::core {

void ControlCore::BeginReorder() {
  if (!Alive()) return;
  state_.ReorderRecords.assign(static_cast<size_t>(PanelCount()), std::nullopt);
  state_.ReorderSelectedIndex = 0;
}

void ControlCore::PlaceRecord(int32_t newPosition, int32_t panelId, bool bVisible) {
  if (!Alive() || newPosition < 1 ||
      static_cast<size_t>(newPosition) > state_.ReorderRecords.size())
    return;
  const int32_t oldIndex = state_.panels.IndexOfId(panelId);
  const PanelRecord* record = state_.panels.At(oldIndex);
  if (!record) return;
  auto& slot = state_.ReorderRecords[static_cast<size_t>(newPosition) - 1];
  slot = *record;
  slot->bVisible = bVisible;
  if (oldIndex == state_.panels.SelectedIndex()) state_.ReorderSelectedIndex = newPosition;
}

void ControlCore::EndReorder() {
  if (!Alive()) return;
  const auto keepAlive = shared_from_this();
  // The dialog places every panel it listed. Panels it did not place (added while it was
  // open) keep their order behind the placed ones, and positions left empty (panels
  // removed meanwhile) close up, so that no panel is lost and no blank one appears.
  std::vector<PanelRecord> placed;
  int32_t selected = 0;
  for (size_t i = 0; i < state_.ReorderRecords.size(); ++i) {
    if (!state_.ReorderRecords[i]) continue;
    if (static_cast<int32_t>(i) + 1 == state_.ReorderSelectedIndex)
      selected = static_cast<int32_t>(placed.size()) + 1;
    placed.push_back(std::move(*state_.ReorderRecords[i]));
  }
  const int32_t oldSelectedId = [&] {
    const PanelRecord* record = state_.panels.At(state_.panels.SelectedIndex());
    return record ? record->lID : 0;
  }();
  for (const PanelRecord& record : state_.panels.Records()) {
    const bool wasPlaced = std::any_of(placed.begin(), placed.end(),
                                       [&](const PanelRecord& p) { return p.lID == record.lID; });
    if (wasPlaced) continue;
    placed.push_back(record);
    if (record.lID == oldSelectedId && selected == 0)
      selected = static_cast<int32_t>(placed.size());
  }
  state_.ReorderRecords.clear();
  state_.panels.Records() = std::move(placed);
  state_.panels.SetSelectedIndex(selected);

  // A hidden selected bar hands the selection to the next visible one after it, else to
  // the first visible one before it; with none visible it stays.
  const int32_t count = PanelCount();
  const PanelRecord* current = state_.panels.At(selected);
  if (selected > 0 && current && !current->bVisible) {
    for (int32_t step = 1; step < count; ++step) {
      const int32_t candidate = (selected - 1 + step) % count + 1;
      if (state_.panels.At(candidate)->bVisible) {
        state_.panels.SetSelectedIndex(candidate);
        break;
      }
    }
  }
  ArrangeChildControls();
  Refresh();
}

}  // namespace wayband::core
