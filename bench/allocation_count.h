// The benchmark binary's count of heap allocations: it replaces the global operator new
// and delete, and counts every allocation through them.
#pragma once

#include <cstdint>

namespace wayband::bench {

// Allocations through operator new since the program started.
uint64_t AllocationCount();

}  // namespace wayband::bench
