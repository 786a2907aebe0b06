#include "core/panel_store.h"

#include <algorithm>

namespace wayband::core {

PanelRecord* PanelStore::At(int32_t index) {
  if (index < 1 || index > PanelCount()) return nullptr;
  return &records_[static_cast<size_t>(index - 1)];
}

const PanelRecord* PanelStore::At(int32_t index) const {
  if (index < 1 || index > PanelCount()) return nullptr;
  return &records_[static_cast<size_t>(index - 1)];
}

int32_t PanelStore::IndexOfId(int32_t id) const {
  for (int32_t i = 1; i <= PanelCount(); ++i) {
    if (At(i)->lID == id) return i;
  }
  return 0;
}

bool PanelStore::KeyInUse(const std::string& key) const {
  return std::any_of(records_.begin(), records_.end(),
                     [&](const PanelRecord& r) { return r.sKey == key; });
}

std::optional<int32_t> PanelStore::Resolve(const Variant& keyOrIndex) const {
  if (keyOrIndex.IsNumeric()) {
    const auto n = keyOrIndex.ToLong();
    if (!n) return std::nullopt;
    return *n >= 0 && *n <= PanelCount() ? *n : 0;
  }
  // Only strings compare with keys; an object cannot be compared and is an error.
  const auto* key = keyOrIndex.Get<std::string>();
  if (!key) return std::nullopt;
  for (int32_t i = 1; i <= PanelCount(); ++i) {
    if (At(i)->sKey == *key) return i;
  }
  return 0;
}

int32_t PanelStore::Insert(int32_t before, PanelRecord record) {
  const bool inRange = before >= 1 && before <= PanelCount();
  const int32_t index = inRange ? before : PanelCount() + 1;
  records_.insert(records_.begin() + (index - 1), std::move(record));
  if (PanelCount() == 1) selectedIndex_ = 1;
  return index;
}

void PanelStore::RemoveAt(int32_t index) {
  if (!At(index)) return;
  if (PanelCount() == 1) {
    Clear();
    return;
  }
  if (selectedIndex_ > index) {
    --selectedIndex_;
  } else if (selectedIndex_ == index && index == PanelCount()) {
    selectedIndex_ = PanelCount() - 1;
  }
  records_.erase(records_.begin() + (index - 1));
}

bool PanelStore::Move(int32_t from, int32_t to) {
  if (!At(from) || !At(to) || from == to) return false;
  const auto first = records_.begin();
  if (from < to) {
    std::rotate(first + (from - 1), first + from, first + to);
  } else {
    std::rotate(first + (to - 1), first + (from - 1), first + from);
  }
  return true;
}

void PanelStore::Clear() {
  records_.clear();
  selectedIndex_ = 0;
}

int32_t PanelStore::VisibleCount() const {
  return static_cast<int32_t>(
      std::count_if(records_.begin(), records_.end(), [](const auto& r) { return r.bVisible; }));
}

int32_t PanelStore::FirstVisibleIndex() const {
  for (int32_t i = 1; i <= PanelCount(); ++i) {
    if (At(i)->bVisible) return i;
  }
  return 0;
}

}  // namespace wayband::core
