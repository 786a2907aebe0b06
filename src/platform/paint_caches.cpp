#include "platform/paint_caches.h"

#include <atomic>

namespace wayband::platform {
namespace {

std::atomic<bool> enabled{true};

}  // namespace

bool PaintCachesEnabled() {
  return enabled.load(std::memory_order_relaxed);
}

void SetPaintCachesEnabled(bool on) {
  enabled.store(on, std::memory_order_relaxed);
}

}  // namespace wayband::platform
