// pixmora-bench: every operation command on the same 6000 x 4000
// photograph-like picture, timed from the click to just before PublishResult
// (prepare Pic4, LoadPlanes, the routine). Items per second are pixels.
// Floor/stream is the bare memory pass the per-pixel commands compare with
// (the planes read and written, each pixel packed); Floor/pack, which only
// reads the planes, is a stricter one. The slowest per-pixel commands' share
// of Floor/stream is printed at the end beside its target.
// One thread unless --threads=N or PIXMORA_THREADS=N asks for more.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_picture.h"
#include "bench/floor_share.h"
#include "bench/floor_stream.h"
#include "bench/thread_option.h"
#include "session/config/folders.h"
#include "session/dispatch.h"
#include "core/load_planes.h"
#include "session/slider_command.h"

namespace {

using namespace pixmora;

using bench::kHeight;
using bench::kWidth;
using bench::Photo;

int threads = 1;

Workspace& Session() {
  static Workspace ws;
  static const bool ready = [] {
    ws.threads = threads;
    // Working files (the resampled image B) go to the temporary data folder,
    // not into whatever folder the benchmark runs from.
    ws.folders = FindFolders(Program::Editor);
    ws.Pic1.SetPicture(Photo());
    SizePlanes(ws.m, ws.Pic1);
    ws.Pic2.SetPicture(Photo());
    // A pattern and a shape of the texture library's size, as the window has them.
    ws.PatPic.SetPicture(bench::NoisyPhoto(256, 256, 3));
    ws.Pic3.SetPicture(bench::NoisyPhoto(256, 256, 5));
    // The planes' first touch (the system's page faults) is not a command's.
    LoadPlanes(ws.m, {.threads = threads}, ws.Pic1, ws.Pic4, 0, 0, kWidth, kHeight);
    benchmark::DoNotOptimize(ws.m.planes.PlaneR());
    return true;
  }();
  (void)ready;
  return ws;
}

void SetPixelCounter(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * int64_t{kWidth} * kHeight);
}

void BM_LoadPlanes(benchmark::State& state) {
  Workspace& ws = Session();
  for (auto _ : state) {
    LoadPlanes(ws.m, {.threads = threads}, ws.Pic1, ws.Pic4, 0, 0, kWidth, kHeight);
    benchmark::DoNotOptimize(ws.m.planes.PlaneR());  // the load waits for a first read
  }
  SetPixelCounter(state);
}

template <void (*Pass)(ChannelPlanes&, PixelBuffer&, int)>
void BM_Floor(benchmark::State& state) {
  Workspace& ws = Session();
  LoadPlanes(ws.m, {.threads = threads}, ws.Pic1, ws.Pic4, 0, 0, kWidth, kHeight);
  PixelBuffer out(kWidth, kHeight, 0);
  for (auto _ : state) {
    Pass(ws.m.planes, out, threads);
    benchmark::ClobberMemory();
  }
  SetPixelCounter(state);
}

void PackOnly(ChannelPlanes& planes, PixelBuffer& out, int threads) {
  bench::PackPlanes(planes, out, threads);
}

void BM_Command(benchmark::State& state, Menu menu, int16_t index) {
  Workspace& ws = Session();
  for (auto _ : state) RunMenuRoutine(ws, menu, index);
  SetPixelCounter(state);
}

// The slider at 1 (45 degrees): what its change does before PublishResult.
void BM_Rotate(benchmark::State& state) {
  Workspace& ws = Session();
  for (auto _ : state) RotateIntoResult(ws, 1);
  SetPixelCounter(state);
}

void RegisterCommands() {
  benchmark::RegisterBenchmark("Floor/stream", BM_Floor<bench::StreamPlanes>)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("Floor/pack", BM_Floor<PackOnly>)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  for (const CatalogueEntry& e : Catalogue()) {
    if (!e.run) continue;
    const std::string name = std::string("Command/") + e.key;
    benchmark::RegisterBenchmark(name.c_str(), BM_Command, e.menu, e.index)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
  benchmark::RegisterBenchmark("Command/rotate:1", BM_Rotate)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
}

}  // namespace

BENCHMARK(BM_LoadPlanes)->Name("LoadPlanes")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  threads = bench::TakeThreadOption(argc, argv);
  benchmark::AddCustomContext("threads", std::to_string(threads));
  RegisterCommands();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::FloorShareReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
