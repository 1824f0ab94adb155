// The console report of pixmora-bench, followed by the share of the
// streaming floor (Floor/stream) that the slowest per-pixel commands reach,
// each beside the share they are held to.
#pragma once
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace pixmora::bench {

class FloorShareReporter : public benchmark::ConsoleReporter {
 public:
  FloorShareReporter();
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::map<std::string, double> rates_;  // pixels a second, by benchmark name
};

}  // namespace pixmora::bench
