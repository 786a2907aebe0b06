#include "platform/timer_registry.h"

#include "platform/timer.h"

namespace wayband::platform {

TimerRegistry& TimerRegistry::Instance() {
  // Constant-initialised and trivially destroyed, so timers released during static
  // destruction still find it.
  static constinit TimerRegistry registry;
  return registry;
}

SystemTimerId TimerRegistry::Register(CTimer& timer) {
  const SystemTimerId id = SetTimer(static_cast<uint32_t>(timer.Interval()), &TimerRegistry::Tick);
  if (id != 0) Place(timer);
  return id;
}

void TimerRegistry::Unregister(const CTimer& timer) {
  const SystemTimerId id = timer.SystemId();
  if (id == 0) return;
  // Also for a timer that found the registry full and was never placed, so that its system
  // timer does not keep running unheard after the timer stopped.
  KillTimer(id);
  if (CTimer** slot = FindSlot(id)) *slot = nullptr;
}

void TimerRegistry::Tick(SystemTimerId id) {
  // The scan ends at the first match: the handlers may start, stop and destroy timers.
  if (CTimer** slot = Instance().FindSlot(id)) (*slot)->ThatTime.Raise();
}

int16_t TimerRegistry::SlotOf(const CTimer& timer) const {
  for (int16_t number = 1; number <= highWaterMark_; ++number) {
    if (slots_[number - 1] == &timer) return number;
  }
  return 0;
}

int16_t TimerRegistry::OccupiedSlots() const {
  int16_t occupied = 0;
  for (int16_t number = 1; number <= highWaterMark_; ++number) {
    if (slots_[number - 1] != nullptr) ++occupied;
  }
  return occupied;
}

void TimerRegistry::Place(CTimer& timer) {
  for (int16_t number = 1; number <= kSlotCount; ++number) {
    if (slots_[number - 1] != nullptr) continue;
    slots_[number - 1] = &timer;
    if (number > highWaterMark_) highWaterMark_ = number;
    return;
  }
  // All slots full: the timer is not placed and its ticks are never delivered.
}

CTimer** TimerRegistry::FindSlot(SystemTimerId id) {
  if (id == 0) return nullptr;
  for (int16_t number = 1; number <= highWaterMark_; ++number) {
    CTimer* timer = slots_[number - 1];
    if (timer != nullptr && timer->SystemId() == id) return &slots_[number - 1];
  }
  return nullptr;
}

}  // namespace wayband::platform
