// Ratios printed after the benchmark run: each compares one benchmark's time per
// iteration with a reference (another library doing the same work, or the memory
// traffic floor), with an optional aim it should stay within.
#pragma once

#include <string>
#include <vector>

namespace wayband::bench {

struct Ratio {
  std::string label;
  std::string measured;   // benchmark name
  std::string reference;  // benchmark name
  double aim = 0.0;       // 0: no aim
  bool wallTime = false;  // compare wall times instead of CPU times
};

// Registers a ratio; returns true so that it can initialise a namespace-scope constant.
bool AddRatio(Ratio ratio);
const std::vector<Ratio>& Ratios();

}  // namespace wayband::bench
