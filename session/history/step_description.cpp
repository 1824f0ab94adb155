#include "session/history/step_description.h"

#include "session/captions/window_captions.h"
#include "session/recipe/image_words.h"

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

// "ellipse 10,20,300,200, feather 4, inverted", or for an operation within
// it "in the ellipse ...".
std::string SelectionDetail(const Selection& s, bool within) {
  const bool ellipse = s.shape == SelectionShape::Ellipse;
  const char* shape = within ? (ellipse ? "in the ellipse" : "in the rectangle") : (ellipse ? "ellipse" : "rectangle");
  return Translate(shape) + " " + BoxText(s.box) +
         (s.feather > 0 ? ", " + Translate("feather") + " " + std::to_string(s.feather) : "") +
         (s.inverted ? ", " + Translate("inverted") : "");
}

}  // namespace

std::string StepDetails(const RecipeStep& step, const History& history, bool pictures) {
  if (step.kind == RecipeStep::Kind::Select) return step.selection ? SelectionDetail(*step.selection, false) : "";
  std::string details = step.ReadsSelection() && step.selection ? SelectionDetail(*step.selection, true) : "";
  if (step.kind == RecipeStep::Kind::Image) return ImageWord(step.image) + (details.empty() ? "" : ", " + details);
  constexpr Inputs kPictures = Input::ImageB | Input::Pattern | Input::Shape;
  for (const InputInfo& info : AllInputs())
    if (Has(step.Reads(), info.input) && (pictures || !Has(kPictures, info.input)))
      details += (details.empty() ? "" : ", ") + Translate(info.name) + " " + Value(info.input, step.values, history);
  return details;
}

}  // namespace pixmora
