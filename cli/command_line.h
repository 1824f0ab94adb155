// What the batch tool was asked to do, parsed from its arguments.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "session/catalogue/catalogue.h"

namespace pixmora::cli {

// One step: a menu command, or the rotation slider at a value.
struct Step {
  bool rotate = false;
  Menu menu = Menu::Color;
  int16_t index = 0;
  int16_t sliderValue = 0;
  std::string text;  // as the user wrote it, for messages
};

struct ApplyRequest {
  std::string imageA;
  std::string output;
  std::vector<Step> steps;
  ControlValues values;
  std::optional<std::string> imageB, pattern, shape;
  bool timings = false;  // report the time of each stage on stderr
};

struct UsageError {
  std::string message;
};

// Parses the arguments after "apply"; throws UsageError.
ApplyRequest ParseApply(const std::vector<std::string>& args);
Step ParseStep(const std::string& text);

}  // namespace pixmora::cli
