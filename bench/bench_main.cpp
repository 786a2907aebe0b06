// Runs the registered benchmarks, then prints the registered ratios of their times and
// the registered figures of their counters.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench_ratios.h"

namespace wayband::bench {
namespace {

std::vector<Ratio>& RatioList() {
  static std::vector<Ratio> ratios;
  return ratios;
}

std::vector<Figure>& FigureList() {
  static std::vector<Figure> figures;
  return figures;
}

using Counters = std::map<std::string, double>;

// The console output, plus each benchmark's CPU time per iteration (the median when
// repetitions are asked for). CPU time unless a ratio asks for wall time: the ratios
// compare work done, and wall time swings with whatever else the machine runs.
class TimeCollector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Iteration || median) {
        times_[run.run_name.str()] = run.GetAdjustedCPUTime();
        wallTimes_[run.run_name.str()] = run.GetAdjustedRealTime();
        Counters& counters = counters_[run.run_name.str()];
        for (const auto& [name, counter] : run.counters)
          counters[name] = counter.value;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  const std::map<std::string, double>& times() const { return times_; }
  const std::map<std::string, double>& wallTimes() const { return wallTimes_; }
  const std::map<std::string, Counters>& counters() const { return counters_; }

 private:
  std::map<std::string, double> times_;
  std::map<std::string, double> wallTimes_;
  std::map<std::string, Counters> counters_;
};

void PrintRatios(const std::map<std::string, double>& cpuTimes,
                 const std::map<std::string, double>& wallTimes) {
  std::printf("\n%-52s %9s %6s\n", "ratio (time / reference time)", "value", "aim");
  for (const Ratio& ratio : Ratios()) {
    const std::map<std::string, double>& times = ratio.wallTime ? wallTimes : cpuTimes;
    const auto measured = times.find(ratio.measured);
    const auto reference = times.find(ratio.reference);
    if (measured == times.end() || reference == times.end() || reference->second <= 0) continue;
    const double value = measured->second / reference->second;
    if (ratio.aim > 0) {
      std::printf("%-52s %9.2f %5.1fx %s\n", ratio.label.c_str(), value, ratio.aim,
                  value <= ratio.aim ? "met" : "MISSED");
    } else {
      std::printf("%-52s %9.2f\n", ratio.label.c_str(), value);
    }
  }
}

void PrintFigures(const std::map<std::string, Counters>& counters) {
  std::printf("\n%-52s %9s %6s\n", "figure (per iteration)", "value", "aim");
  for (const Figure& figure : Figures()) {
    const auto run = counters.find(figure.benchmark);
    if (run == counters.end()) continue;
    const auto counter = run->second.find(figure.counter);
    if (counter == run->second.end()) continue;
    std::printf("%-52s %9.3f %6.1f %s\n", figure.label.c_str(), counter->second, figure.most,
                counter->second <= figure.most ? "met" : "MISSED");
  }
}

}  // namespace

bool AddFigure(Figure figure) {
  FigureList().push_back(std::move(figure));
  return true;
}

const std::vector<Figure>& Figures() {
  return FigureList();
}

bool AddRatio(Ratio ratio) {
  RatioList().push_back(std::move(ratio));
  return true;
}

const std::vector<Ratio>& Ratios() {
  return RatioList();
}

}  // namespace wayband::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  wayband::bench::TimeCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  wayband::bench::PrintRatios(collector.times(), collector.wallTimes());
  wayband::bench::PrintFigures(collector.counters());
  benchmark::Shutdown();
  return 0;
}
