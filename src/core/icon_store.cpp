#include "core/icon_store.h"

#include <algorithm>
#include <utility>

namespace wayband::core {

namespace {

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool IconKeysEqual(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

const imaging::CIconBytes* IconStore::Find(std::string_view key) const {
  const auto it = std::find_if(icons_.begin(), icons_.end(), [key](const imaging::CIconBytes& i) {
    return IconKeysEqual(i.Key(), key);
  });
  return it == icons_.end() ? nullptr : &*it;
}

imaging::CIconBytes* IconStore::Find(std::string_view key) {
  return const_cast<imaging::CIconBytes*>(std::as_const(*this).Find(key));
}

bool IconStore::Add(imaging::CIconBytes icon) {
  if (Contains(icon.Key())) return false;
  icons_.push_back(std::move(icon));
  return true;
}

bool IconStore::Remove(std::string_view key) {
  const auto it = std::find_if(icons_.begin(), icons_.end(), [key](const imaging::CIconBytes& i) {
    return IconKeysEqual(i.Key(), key);
  });
  if (it == icons_.end()) return false;
  icons_.erase(it);
  return true;
}

}  // namespace wayband::core
