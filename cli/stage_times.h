// Where a batch run spends its time, for `apply --timings`: wall-clock time
// summed per stage over the run.
#pragma once
#include <array>
#include <chrono>
#include <string>
#include <utility>

namespace pixmora::cli {

enum class Stage { Decode, Command, Publish, Encode };

class StageTimes {
 public:
  // Runs work and adds its duration to stage; the stages timed within work
  // count for themselves alone.
  template <class Work>
  void Time(Stage stage, Work&& work) {
    Clock::duration inner{};
    Clock::duration* outer = std::exchange(inner_, &inner);
    const auto start = Clock::now();
    work();
    const Clock::duration spent = Clock::now() - start;
    inner_ = outer;
    total_[static_cast<size_t>(stage)] += spent - inner;
    if (outer) *outer += spent;
  }
  // "decode 812 ms, command 61 ms, publish 120 ms, encode 903 ms, total 1896 ms".
  std::string Summary() const;

 private:
  using Clock = std::chrono::steady_clock;
  std::array<Clock::duration, 4> total_{};
  Clock::duration* inner_ = nullptr;  // the time of stages within the one being timed
};

}  // namespace pixmora::cli
