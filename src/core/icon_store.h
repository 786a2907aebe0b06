// The control's icon store: the icons it draws on bars, buttons and the header, each a
// CIconBytes under a key. Keys compare without regard to ASCII case, like the names of the
// host's property store; the collection keeps the order in which icons were added.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "imaging/icon_bytes.h"

namespace wayband::core {

class IconStore {
 public:
  int32_t Count() const { return static_cast<int32_t>(icons_.size()); }
  // The icon under `key`, or null. Its key must not be changed through the pointer.
  const imaging::CIconBytes* Find(std::string_view key) const;
  imaging::CIconBytes* Find(std::string_view key);
  bool Contains(std::string_view key) const { return Find(key) != nullptr; }
  // Adds the icon under its own Key(); false (and nothing added) when the key is present.
  bool Add(imaging::CIconBytes icon);
  // Removes the icon under `key`; false when there is none.
  bool Remove(std::string_view key);
  void Clear() {
    icons_.clear();
    positions_.clear();
  }
  // The icons in collection order.
  const std::vector<imaging::CIconBytes>& Items() const { return icons_; }

 private:
  std::vector<imaging::CIconBytes> icons_;
  // The position of each icon by its key folded to lower case, so that finding and adding
  // cost the same for ten icons or ten thousand.
  std::unordered_map<std::string, size_t> positions_;
};

// Key comparison of the icon store: equal ignoring ASCII case.
bool IconKeysEqual(std::string_view a, std::string_view b);

}  // namespace wayband::core
