// Where a batch run spends its time, for `apply --timings`: wall-clock time
// summed per stage over the run.
#pragma once
#include <array>
#include <chrono>
#include <string>

namespace pixmora::cli {

enum class Stage { Decode, Command, Publish, Encode };

class StageTimes {
 public:
  // Runs work and adds its duration to stage.
  template <class Work>
  void Time(Stage stage, Work&& work) {
    const auto start = Clock::now();
    work();
    total_[static_cast<size_t>(stage)] += Clock::now() - start;
  }
  // "decode 812 ms, command 61 ms, publish 120 ms, encode 903 ms, total 1896 ms".
  std::string Summary() const;

 private:
  using Clock = std::chrono::steady_clock;
  std::array<Clock::duration, 4> total_{};
};

}  // namespace pixmora::cli
