// Reaching the container behind a public NorvaleContainer, for the library's own layers
// (the icon page) and for tests.
#pragma once

#include <memory>

#include "container/container_core.h"
#include "wayband/norvale_container.h"

namespace wayband::container {

struct ContainerAccess {
  static ContainerCore& Of(NorvaleContainer& container) { return *container.core_; }
  static const ContainerCore& Of(const NorvaleContainer& container) { return *container.core_; }
  static std::shared_ptr<ContainerCore> Shared(const NorvaleContainer& container) {
    return container.core_;
  }
};

}  // namespace wayband::container
