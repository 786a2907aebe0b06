// Ratios printed after the benchmark run: each compares one benchmark's time per
// iteration with a reference (another library doing the same work, or the memory
// traffic floor), with an optional aim it should stay within. Figures are printed
// beside them: a counter one benchmark reports (per iteration), with the most it may be.
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

struct Figure {
  std::string label;
  std::string benchmark;  // benchmark name
  std::string counter;    // the benchmark's counter
  double most = 0.0;      // the aim: at most this much
};

// Registers a ratio or a figure; returns true so that it can initialise a namespace-scope
// constant.
bool AddRatio(Ratio ratio);
const std::vector<Ratio>& Ratios();
bool AddFigure(Figure figure);
const std::vector<Figure>& Figures();

}  // namespace wayband::bench
