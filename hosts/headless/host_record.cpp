#include "headless/host_record.h"

#include <algorithm>

namespace wayband::headless {

size_t HostRecord::CountPropertyChanges(const std::string& name) const {
  return static_cast<size_t>(std::count_if(propertyChanges.begin(), propertyChanges.end(),
                                           [&](const auto& r) { return r.name == name; }));
}

size_t HostRecord::CountEvents(const std::string& name) const {
  return static_cast<size_t>(
      std::count_if(events.begin(), events.end(), [&](const auto& r) { return r.name == name; }));
}

}  // namespace wayband::headless
