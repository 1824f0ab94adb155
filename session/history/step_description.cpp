#include "session/history/step_description.h"

#include "core/paths_and_text.h"

namespace pixmora {

namespace {

std::string Colour(const int16_t (&c)[3]) {
  return std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]);
}

std::string Detail(Input input, const ControlValues& v, const History& history) {
  switch (input) {
    case Input::Colour1: return "colour 1 " + Colour(v.colour1);
    case Input::Colour2: return "colour 2 " + Colour(v.colour2);
    case Input::Strength:  // as the side panel shows it: value / 10
      return "strength " + std::to_string(v.strength / 10) + "." + std::to_string(v.strength % 10);
    case Input::Size: return "size " + std::to_string(v.size * 10) + "%";
    case Input::ImageB: return "image B " + history.SourceOf(Slot::ImageB);
    case Input::Pattern: return "pattern " + history.SourceOf(Slot::Pattern);
    case Input::Shape: return "shape " + history.SourceOf(Slot::Shape);
  }
  return "";
}

}  // namespace

std::string StepDetails(const RecipeStep& step, const History& history, bool pictures) {
  if (step.kind == RecipeStep::Kind::Open) return BaseName(step.file);
  std::string details;
  constexpr Inputs kPictures = Input::ImageB | Input::Pattern | Input::Shape;
  for (const InputInfo& info : AllInputs())
    if (Has(step.Reads(), info.input) && (pictures || !Has(kPictures, info.input)))
      details += (details.empty() ? "" : ", ") + Detail(info.input, step.values, history);
  return details;
}

}  // namespace pixmora
