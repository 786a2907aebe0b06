// Runs the registered benchmarks, then prints the registered ratios of their times.
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
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  const std::map<std::string, double>& times() const { return times_; }
  const std::map<std::string, double>& wallTimes() const { return wallTimes_; }

 private:
  std::map<std::string, double> times_;
  std::map<std::string, double> wallTimes_;
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

}  // namespace

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
  benchmark::Shutdown();
  return 0;
}
