// PropertyBag: the property store a host keeps for each control of a form, which the
// control writes its properties into when the form is saved and reads them back from when
// the form is loaded (wayband/form_file.h stores bags in files).
//
// Names compare without regard to ASCII case. A write passes a default: a value equal to
// it is left out (an entry already under the name goes too), so the store holds only what
// differs from the defaults. A read passes a default, which it returns when the name is
// absent. Entries keep the order in which they were last written; a write of a name that is
// present moves it to the end, so a control that writes its properties in a fixed order
// leaves them in that order after any entries it does not know.
//
// The values are Variants: Booleans, Integers, Longs, colours, doubles, strings, fonts,
// pictures and byte arrays. A font or picture is kept by reference, as the control gave
// it. An entry read from a file whose value is of a kind this library does not know keeps
// that value's text and is written back unchanged; it reads as absent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "wayband/variant.h"

namespace wayband {

class PropertyBag {
 public:
  struct Entry {
    std::string name;
    Variant value;
    // Not empty for a value of an unknown kind: its text as the form file held it.
    std::string foreignValue;
  };

  // The value under `name`, or `defaultValue` when there is none.
  Variant ReadProperty(std::string_view name, const Variant& defaultValue = {}) const;
  // Keeps `value` under `name` (always: there is no default).
  void WriteProperty(std::string_view name, Variant value);
  // Keeps `value` under `name` unless it equals `defaultValue`. Numbers and Booleans are
  // equal when their values are (a Boolean true is -1), strings when their bytes are,
  // fonts when all their attributes are, other objects when they are the same object.
  void WriteProperty(std::string_view name, Variant value, const Variant& defaultValue);

  // The entry under `name`, or null.
  const Entry* Find(std::string_view name) const;
  bool Contains(std::string_view name) const { return Find(name) != nullptr; }
  // Keeps an entry as it is, replacing one under its name (moved to the end).
  void Put(Entry entry);
  // Removes the entry under `name`; false when there is none.
  bool Remove(std::string_view name);
  // Removes the entries whose names `match`; returns how many went.
  size_t RemoveIf(const std::function<bool(std::string_view name)>& match);
  void Clear();

  size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  // Calls `visit` for every entry in order.
  void ForEach(const std::function<void(const Entry&)>& visit) const;

 private:
  // Entries by the sequence number of their last write; the index maps each name, folded
  // to lower case, to its sequence number.
  std::map<uint64_t, Entry> entries_;
  std::unordered_map<std::string, uint64_t> index_;
  uint64_t nextSequence_ = 0;
};

// Whether two property values count as equal for a default (see WriteProperty).
bool PropertyValuesEqual(const Variant& a, const Variant& b);

}  // namespace wayband
