// pixmora-bench: every operation command on the same 6000 x 4000
// photograph-like picture, timed from the click to just before PublishResult
// (prepare Pic4, LoadPlanes, the routine). Items per second are pixels.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_picture.h"
#include "core/dispatch.h"
#include "core/load_planes.h"

namespace {

using namespace pixmora;

using bench::kHeight;
using bench::kWidth;
using bench::Photo;

Workspace& Session() {
  static Workspace ws = [] {
    Workspace w;
    w.Pic1.SetPicture(Photo());
    SizePlanes(w.m, w.Pic1);
    w.Pic2.SetPicture(Photo());
    return w;
  }();
  return ws;
}

void SetPixelCounter(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * int64_t{kWidth} * kHeight);
}

void BM_LoadPlanes(benchmark::State& state) {
  Workspace& ws = Session();
  for (auto _ : state) LoadPlanes(ws.m, ws.Pic1, ws.Pic4, 0, 0, kWidth, kHeight);
  SetPixelCounter(state);
}

void BM_Command(benchmark::State& state, Menu menu, int16_t index) {
  Workspace& ws = Session();
  for (auto _ : state) RunMenuRoutine(ws, menu, index);
  SetPixelCounter(state);
}

void RegisterCommands() {
  for (const CatalogueEntry& e : Catalogue()) {
    if (!e.run) continue;
    const std::string name = std::string("Command/") + MenuKey(e.menu) + ":" + std::to_string(e.index);
    benchmark::RegisterBenchmark(name.c_str(), BM_Command, e.menu, e.index)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
}

}  // namespace

BENCHMARK(BM_LoadPlanes)->Name("LoadPlanes")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  RegisterCommands();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
