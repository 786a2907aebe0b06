#include "platform/system_timer.h"

#include <atomic>
#include <chrono>

namespace wayband::platform {
namespace {

std::atomic<uint32_t> g_refuseNext{0};
std::atomic<bool> g_refuseAll{false};

// True when this SetTimer call is to be refused; uses up one of the counted refusals.
bool TakeRefusal() {
  if (g_refuseAll.load()) return true;
  uint32_t remaining = g_refuseNext.load();
  while (remaining > 0 && !g_refuseNext.compare_exchange_weak(remaining, remaining - 1)) {
  }
  return remaining > 0;
}

}  // namespace

SystemTimerId SetTimer(uint32_t intervalMs, TimerProc proc) {
  if (proc == nullptr || TakeRefusal()) return EventLoop::kNoTimer;
  return EventLoop::Current().StartTimer(std::chrono::milliseconds(intervalMs),
                                         [proc](SystemTimerId id) { proc(id); });
}

bool KillTimer(SystemTimerId id) {
  EventLoop* loop = EventLoop::FindTimerLoop(id);
  return loop != nullptr && loop->StopTimer(id);
}

void RefuseNextSystemTimers(uint32_t count) {
  g_refuseNext.store(count);
}

void RefuseAllSystemTimers(bool refuse) {
  g_refuseAll.store(refuse);
}

void ClearSystemTimerRefusal() {
  g_refuseNext.store(0);
  g_refuseAll.store(false);
}

}  // namespace wayband::platform
