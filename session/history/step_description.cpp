#include "session/history/step_description.h"

#include "session/captions/window_captions.h"

namespace pixmora {

namespace {

std::string Colour(const int16_t (&c)[3]) {
  return std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]);
}

std::string Value(Input input, const ControlValues& v, const History& history) {
  switch (input) {
    case Input::Colour1: return Colour(v.colour1);
    case Input::Colour2: return Colour(v.colour2);
    case Input::Strength:  // as the side panel shows it: value / 10
      return std::to_string(v.strength / 10) + "." + std::to_string(v.strength % 10);
    case Input::Size: return std::to_string(v.size * 10) + "%";
    case Input::ImageB: return history.SourceOf(Slot::ImageB);
    case Input::Pattern: return history.SourceOf(Slot::Pattern);
    case Input::Shape: return history.SourceOf(Slot::Shape);
    case Input::Random:  // where the source stands is no value the user set
    case Input::BackColour: break;  // nor is the colour scheme's back colour
  }
  return "";
}

}  // namespace

std::string StepDetails(const RecipeStep& step, const History& history, bool pictures) {
  const CatalogueEntry* entry =
      step.kind == RecipeStep::Kind::Command ? FindEntry(step.menu, step.index) : nullptr;
  if (!entry) return "";
  std::string details;
  constexpr Inputs kPictures = Input::ImageB | Input::Pattern | Input::Shape;
  for (const InputInfo& info : AllInputs())
    if (Has(entry->reads, info.input) && (pictures || !Has(kPictures, info.input)))
      details += (details.empty() ? "" : ", ") + Translate(info.name) + " " + Value(info.input, step.values, history);
  return details;
}

}  // namespace pixmora
