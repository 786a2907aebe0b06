#include "wayband/property_bag.h"

#include <iterator>
#include <utility>

#include "platform/ascii_text.h"
#include "wayband/std_font.h"

namespace wayband {

namespace {

bool IsNumberLike(VariantType type) {
  switch (type) {
    case VariantType::kBoolean:
    case VariantType::kInteger:
    case VariantType::kLong:
    case VariantType::kColor:
    case VariantType::kDouble:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool PropertyValuesEqual(const Variant& a, const Variant& b) {
  if (IsNumberLike(a.Type()) && IsNumberLike(b.Type())) return a.ToDouble() == b.ToDouble();
  if (a.Type() != b.Type()) return false;
  if (a.Type() == VariantType::kFont) {
    const auto& x = *a.Get<Variant::FontRef>();
    const auto& y = *b.Get<Variant::FontRef>();
    return x == y || (x && y && *x == *y);
  }
  return a == b;
}

Variant PropertyBag::ReadProperty(std::string_view name, const Variant& defaultValue) const {
  const Entry* entry = Find(name);
  if (!entry || !entry->foreignValue.empty()) return defaultValue;
  return entry->value;
}

void PropertyBag::WriteProperty(std::string_view name, Variant value) {
  Put({std::string(name), std::move(value), {}});
}

void PropertyBag::WriteProperty(std::string_view name, Variant value, const Variant& defaultValue) {
  if (PropertyValuesEqual(value, defaultValue)) {
    Remove(name);
    return;
  }
  WriteProperty(name, std::move(value));
}

const PropertyBag::Entry* PropertyBag::Find(std::string_view name) const {
  const auto found = index_.find(platform::ToLowerAscii(name));
  return found == index_.end() ? nullptr : &entries_.at(found->second);
}

void PropertyBag::Put(Entry entry) {
  const uint64_t sequence = nextSequence_++;
  auto [slot, inserted] = index_.try_emplace(platform::ToLowerAscii(entry.name), sequence);
  if (!inserted) {
    entries_.erase(slot->second);
    slot->second = sequence;
  }
  entries_.emplace(sequence, std::move(entry));
}

bool PropertyBag::Remove(std::string_view name) {
  const auto found = index_.find(platform::ToLowerAscii(name));
  if (found == index_.end()) return false;
  entries_.erase(found->second);
  index_.erase(found);
  return true;
}

size_t PropertyBag::RemoveIf(const std::function<bool(std::string_view name)>& match) {
  size_t removed = 0;
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (!match(it->second.name)) {
      ++it;
      continue;
    }
    index_.erase(platform::ToLowerAscii(it->second.name));
    it = entries_.erase(it);
    ++removed;
  }
  return removed;
}

void PropertyBag::Clear() {
  entries_.clear();
  index_.clear();
}

void PropertyBag::ForEach(const std::function<void(const Entry&)>& visit) const {
  for (const auto& [sequence, entry] : entries_)
    visit(entry);
}

}  // namespace wayband
