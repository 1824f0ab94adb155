// The thread count of a benchmark run: one unless asked for with
// --threads=N (or --threads N) or the environment variable PIXMORA_THREADS.
// The option is taken out of argv before Google Benchmark reads it.
#pragma once

namespace pixmora::bench {

int TakeThreadOption(int& argc, char** argv);

}  // namespace pixmora::bench
