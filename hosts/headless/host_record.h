// The headless host's readable record of what its controls told it, in order: property
// changes, raised events and mouse pointer changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/host/window_system.h"
#include "wayband/variant.h"

namespace wayband::headless {

struct PropertyChangeRecord {
  std::string control;  // the extender name of the notifying control
  std::string name;     // empty when every property changed
  bool all = false;
  friend bool operator==(const PropertyChangeRecord&, const PropertyChangeRecord&) = default;
};

struct EventRecord {
  std::string control;
  std::string name;
  int32_t dispid = 0;
  std::vector<Variant> args;  // as the handlers left them
};

struct PointerChangeRecord {
  host::WindowHandle window = host::kNoWindow;
  host::MousePointer pointer = host::MousePointer::kDefault;
  friend bool operator==(const PointerChangeRecord&, const PointerChangeRecord&) = default;
};

struct HostRecord {
  std::vector<PropertyChangeRecord> propertyChanges;
  std::vector<EventRecord> events;
  std::vector<PointerChangeRecord> pointerChanges;
  uint64_t doEventsCalls = 0;

  void Clear() { *this = HostRecord{}; }
  // How many notifications named `name` were recorded.
  size_t CountPropertyChanges(const std::string& name) const;
  size_t CountEvents(const std::string& name) const;
};

}  // namespace wayband::headless
