// When a tip shows, how long it stays and where it goes, as the platform's defaults have
// them.
#pragma once

#include <chrono>

#include "platform/geometry.h"

namespace wayband::platform {

// The mouse has to rest this long over a tool before its tip shows: the platform's
// default initial delay, which is its default double-click time.
inline constexpr std::chrono::milliseconds kTipInitialDelay{500};
// A shown tip hides by itself after this long: the default auto-pop time, ten times the
// initial delay.
inline constexpr std::chrono::milliseconds kTipAutoPopDelay{5000};
// The tip's top-left corner from the cursor's hot spot: just below the 19-pixel arrow
// pointer, so that the box lies below and to the right of the cursor.
inline constexpr Point kTipCursorOffset{0, 20};

}  // namespace wayband::platform
