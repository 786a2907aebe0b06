#include "core/icon_store.h"

#include <cstddef>
#include <utility>

#include "platform/ascii_text.h"

namespace wayband::core {

bool IconKeysEqual(std::string_view a, std::string_view b) {
  return platform::EqualsIgnoringAsciiCase(a, b);
}

const imaging::CIconBytes* IconStore::Find(std::string_view key) const {
  const auto found = positions_.find(platform::ToLowerAscii(key));
  return found == positions_.end() ? nullptr : &icons_[found->second];
}

imaging::CIconBytes* IconStore::Find(std::string_view key) {
  return const_cast<imaging::CIconBytes*>(std::as_const(*this).Find(key));
}

bool IconStore::Add(imaging::CIconBytes icon) {
  if (!positions_.try_emplace(platform::ToLowerAscii(icon.Key()), icons_.size()).second)
    return false;
  icons_.push_back(std::move(icon));
  return true;
}

bool IconStore::Remove(std::string_view key) {
  const auto found = positions_.find(platform::ToLowerAscii(key));
  if (found == positions_.end()) return false;
  const size_t removed = found->second;
  positions_.erase(found);
  icons_.erase(icons_.begin() + static_cast<std::ptrdiff_t>(removed));
  for (auto& [folded, position] : positions_) {
    if (position > removed) --position;
  }
  return true;
}

}  // namespace wayband::core
