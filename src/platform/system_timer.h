// Window-less system timers: the platform's SetTimer/KillTimer without a window, on the
// calling thread's event loop. The tick callback is a plain function that receives the
// timer's id and nothing else, which is why the timers of the library keep a registry that
// maps ids back to their owners.
//
// The platform may refuse a timer (SetTimer answers 0). Tests and hosts can make it refuse,
// so that what a caller does with a refusal can be exercised.
#pragma once

#include <cstdint>

#include "platform/event_loop.h"

namespace wayband::platform {

// Non-zero for a running timer; never the id of another timer running at the same time.
using SystemTimerId = EventLoop::TimerId;
using TimerProc = void (*)(SystemTimerId id);

// Starts a periodic timer on the calling thread's loop that calls `proc` with the timer's id
// every `intervalMs` milliseconds (intervals below the loop's minimum are raised to it).
// Returns the new timer's id, or 0 when refused: a null callback, a refusal set below.
SystemTimerId SetTimer(uint32_t intervalMs, TimerProc proc);
// Stops timer `id` of the calling thread; false when it runs no such timer.
bool KillTimer(SystemTimerId id);

// The next `count` SetTimer calls (with a callback) are refused; replaces an earlier count.
void RefuseNextSystemTimers(uint32_t count);
// While set, every SetTimer call is refused.
void RefuseAllSystemTimers(bool refuse);
// Back to accepting every timer.
void ClearSystemTimerRefusal();

}  // namespace wayband::platform
