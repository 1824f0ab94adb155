#include "bench/floor_share.h"

#include <unistd.h>

#include <cstdio>

namespace pixmora::bench {

namespace {

struct Target {
  const char* name;
  double share;  // the least share of the floor, in per cent
};

// The per-pixel commands that draw or chain the most per pixel; every other
// one runs well above this share.
constexpr Target kTargets[] = {
    {"Command/disorder", 35}, {"Command/coal", 35}, {"Command/unreal", 35}};

}  // namespace

// In colour on a terminal only, as the library's own report.
FloorShareReporter::FloorShareReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}

void FloorShareReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    const auto rate = run.counters.find("items_per_second");
    if (run.run_type == Run::RT_Iteration && rate != run.counters.end())
      rates_[run.run_name.function_name] = rate->second.value;
  }
  ConsoleReporter::ReportRuns(runs);
}

void FloorShareReporter::Finalize() {
  ConsoleReporter::Finalize();
  const auto floor = rates_.find("Floor/stream");
  if (floor == rates_.end()) return;
  std::printf("\nShare of Floor/stream (%.0f MP/s):\n", floor->second / 1e6);
  for (const Target& t : kTargets) {
    const auto rate = rates_.find(t.name);
    if (rate == rates_.end()) continue;
    const double share = 100 * rate->second / floor->second;
    std::printf("  %-18s %6.0f MP/s %5.1f %%  target >= %.0f %%  %s\n", t.name, rate->second / 1e6,
                share, t.share, share >= t.share ? "met" : "NOT met");
  }
}

}  // namespace pixmora::bench
