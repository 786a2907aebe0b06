// The panel store: the ordered panel records of one control, the selection and the ID
// counter. Indices are 1-based positions; SelectedIndex 0 means no selection.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/panel_record.h"
#include "wayband/variant.h"

namespace wayband::core {

class PanelStore {
 public:
  int32_t PanelCount() const { return static_cast<int32_t>(records_.size()); }
  int32_t SelectedIndex() const { return selectedIndex_; }
  void SetSelectedIndex(int32_t index) { selectedIndex_ = index; }
  int32_t NextPanelId() const { return nextPanelId_; }

  // The record at a 1-based index, or null outside 1..PanelCount.
  PanelRecord* At(int32_t index);
  const PanelRecord* At(int32_t index) const;
  // The index of the first record with this ID, or 0.
  int32_t IndexOfId(int32_t id) const;
  PanelRecord* FindById(int32_t id) { return At(IndexOfId(id)); }
  const PanelRecord* FindById(int32_t id) const { return At(IndexOfId(id)); }
  // Whether a record's key equals `key` (case-sensitive).
  bool KeyInUse(const std::string& key) const;
  const std::vector<PanelRecord>& Records() const { return records_; }
  std::vector<PanelRecord>& Records() { return records_; }

  // A key or index to an index: a numeric argument n gives n when 0 <= n <= PanelCount
  // and 0 otherwise; any other argument gives the index of the first record whose key
  // equals it, or 0. Nothing when the argument cannot be converted or compared.
  std::optional<int32_t> Resolve(const Variant& keyOrIndex) const;

  // Hands out the next ID (IDs are never reused).
  int32_t TakeNextId() { return ++nextPanelId_; }
  // Inserts before index `before` (1..PanelCount), or appends when `before` is 0 or out
  // of range; returns the new record's index. The first record becomes selected.
  int32_t Insert(int32_t before, PanelRecord record);
  // Removes the record at `index`, keeping the same panel selected where it stays; when
  // the selected panel goes, the one moving into its place is selected, or the new last
  // one when it was the last. Removing the only record leaves nothing selected.
  void RemoveAt(int32_t index);
  // Takes the record at `from` out and puts it at `to`, the records between shifting by
  // one; SelectedIndex stays. False (nothing moves) unless both are in range and differ.
  bool Move(int32_t from, int32_t to);
  void Clear();

  int32_t VisibleCount() const;
  // The first visible record's index, or 0.
  int32_t FirstVisibleIndex() const;

 private:
  std::vector<PanelRecord> records_;  // index i is records_[i - 1]
  int32_t selectedIndex_ = 0;
  int32_t nextPanelId_ = 0;
};

}  // namespace wayband::core
