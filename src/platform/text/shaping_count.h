// The process-wide count of lines shaped, for measuring the caches in front of the shaper
// (a header of its own: it needs none of the shaping library's types).
#pragma once

#include <cstdint>

namespace wayband::platform::text {

// Lines laid out (shaped) by LayoutLine since the program started.
uint64_t LinesShaped();

}  // namespace wayband::platform::text
