// Reaching the control behind a public Wayband object, for the library's own layers
// (interaction, the interface description) and for tests.
#pragma once

#include "core/control_core.h"
#include "wayband/wayband_control.h"

namespace wayband::core {

struct CoreAccess {
  static ControlCore& Of(Wayband& control) { return *control.core_; }
  static const ControlCore& Of(const Wayband& control) { return *control.core_; }
  static std::shared_ptr<ControlCore> Shared(const Wayband& control) { return control.core_; }
};

}  // namespace wayband::core
