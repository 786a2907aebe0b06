// The process-wide registry of running CTimers. System timers call back with nothing but
// their id, so the registry maps ids to timers: 100 slots, numbered 1 to 100, each empty or
// holding a running timer. Scans run from slot 1 to the high-water mark, the highest slot
// ever filled; the mark never decreases, and emptied slots are reused first.
//
// A timer started while all 100 slots are full is not placed: its system timer runs, and
// its ticks match no slot and are ignored. Everything runs on the user-interface thread;
// nothing here locks.
#pragma once

#include <array>
#include <cstdint>

#include "platform/system_timer.h"

namespace wayband::platform {

class CTimer;

class TimerRegistry {
 public:
  static constexpr int16_t kSlotCount = 100;

  static TimerRegistry& Instance();

  // Starts a system timer at `timer`'s interval and places the timer in the first empty
  // slot. Returns the system timer id, 0 when the system refused (nothing placed).
  SystemTimerId Register(CTimer& timer);
  // Stops `timer`'s system timer and empties the slot that holds it.
  void Unregister(const CTimer& timer);
  // The system timers' callback: raises ThatTime on the timer in the first slot, from 1 to
  // the high-water mark, that runs system timer `id`. Unknown ids are ignored.
  static void Tick(SystemTimerId id);

  int16_t HighWaterMark() const { return highWaterMark_; }
  // The slot number (1 to 100) holding `timer`, 0 when it holds none.
  int16_t SlotOf(const CTimer& timer) const;
  int16_t OccupiedSlots() const;

 private:
  constexpr TimerRegistry() = default;

  void Place(CTimer& timer);
  // The slot, from 1 to the high-water mark, holding the timer that runs `id`; null if none.
  CTimer** FindSlot(SystemTimerId id);

  std::array<CTimer*, kSlotCount> slots_{};  // slot n is slots_[n - 1]
  int16_t highWaterMark_ = 0;
};

}  // namespace wayband::platform
