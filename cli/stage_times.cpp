#include "cli/stage_times.h"

namespace pixmora::cli {

std::string StageTimes::Summary() const {
  static constexpr const char* kNames[] = {"decode", "command", "publish", "encode"};
  std::string text;
  Clock::duration sum{};
  for (size_t i = 0; i < total_.size(); ++i) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(total_[i]).count();
    text += std::string(kNames[i]) + " " + std::to_string(ms) + " ms, ";
    sum += total_[i];
  }
  return text + "total " +
         std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(sum).count()) + " ms";
}

}  // namespace pixmora::cli
