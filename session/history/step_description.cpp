#include "session/history/step_description.h"

#include "core/paths_and_text.h"
#include "session/recipe/image_words.h"

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
    case Input::Random: break;  // where the source stands is no value the user set
  }
  return "";
}

// "ellipse 10,20,300,200, feather 4, inverted"
std::string SelectionDetail(const Selection& s) {
  return std::string(s.shape == SelectionShape::Ellipse ? "ellipse " : "rectangle ") + BoxText(s.box) +
         (s.feather > 0 ? ", feather " + std::to_string(s.feather) : "") + (s.inverted ? ", inverted" : "");
}

}  // namespace

std::string StepDetails(const RecipeStep& step, const History& history, bool pictures) {
  if (step.kind == RecipeStep::Kind::Open) return BaseName(step.file);
  if (step.kind == RecipeStep::Kind::Select) return step.selection ? SelectionDetail(*step.selection) : "";
  std::string details = step.ReadsSelection() && step.selection ? "in the " + SelectionDetail(*step.selection) : "";
  if (step.kind == RecipeStep::Kind::Image) return ImageWord(step.image) + (details.empty() ? "" : ", " + details);
  constexpr Inputs kPictures = Input::ImageB | Input::Pattern | Input::Shape;
  for (const InputInfo& info : AllInputs())
    if (Has(step.Reads(), info.input) && (pictures || !Has(kPictures, info.input)))
      details += (details.empty() ? "" : ", ") + Detail(info.input, step.values, history);
  return details;
}

}  // namespace pixmora
