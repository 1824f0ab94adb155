#include "session/recipe/image_words.h"

#include "core/paths_and_text.h"
#include "imageio/picture_limits.h"
#include "session/recipe/whole_number.h"

namespace pixmora {

namespace {

struct FlipOrTurn {
  const char* word;
  ImageCommand command;
};

constexpr FlipOrTurn kFlipsAndTurns[] = {{"flip=horizontal", ImageCommand::FlipHorizontal},
                                         {"flip=vertical", ImageCommand::FlipVertical},
                                         {"turn=left", ImageCommand::TurnLeft},
                                         {"turn=right", ImageCommand::TurnRight}};

std::vector<std::string> SplitAtCommas(const std::string& text) {
  std::vector<std::string> parts;
  for (size_t start = 0;;) {
    const size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

// "X,Y,W,H", each value in pixels or a percentage ("50%").
Status ParseBox(const std::string& text, const std::string& word, Box& box, PercentFlags& percent) {
  const std::vector<std::string> parts = SplitAtCommas(text);
  if (parts.size() != 4)
    return UsageError("'" + word + "' takes X,Y,W,H: four numbers, each in pixels or N%");
  static const char* const names[] = {"X", "Y", "W", "H"};
  int* values[] = {&box.x, &box.y, &box.width, &box.height};
  for (size_t i = 0; i < 4; ++i) {
    std::string number = parts[i];
    percent[i] = !number.empty() && number.back() == '%';
    if (percent[i]) number.pop_back();
    const long least = i < 2 ? 0 : 1, most = percent[i] ? 100 : kMaxSide;
    long v;
    if (!ParseWholeNumber(number, least, most, v))
      return UsageError("'" + word + "': " + names[i] + " takes " + std::to_string(least) + " to " +
                        std::to_string(kMaxSide) + " pixels or " + std::to_string(least) + "% to 100%");
    *values[i] = static_cast<int>(v);
  }
  return {};
}

Result<bool> ReadSelect(const std::string& value, SelectionWords& words) {
  const std::string word = "select=" + value, lower = Lower(value);
  if (lower == "none") {
    words.selection.reset();
    return true;
  }
  if (lower == "invert") {
    if (!words.selection) return UsageError("select=invert needs a selection before it (select=X,Y,W,H)");
    words.selection->inverted = !words.selection->inverted;
    return true;
  }
  Selection selection;
  const bool ellipse = lower.rfind("ellipse:", 0) == 0;
  if (ellipse) selection.shape = SelectionShape::Ellipse;
  if (Status box = ParseBox(value.substr(ellipse ? 8 : 0), word, selection.box, words.percent); !box)
    return std::unexpected(box.error());
  words.selection = selection;
  return true;
}

Result<bool> ReadResize(const std::string& value, ImageStep& step) {
  const std::string word = "resize=" + value;
  step.command = ImageCommand::Resize;
  long v;
  if (!value.empty() && value.back() == '%') {
    if (!ParseWholeNumber(value.substr(0, value.size() - 1), 1, 10000, v))
      return UsageError("'" + word + "': resize=N% takes N from 1 to 10000");
    step.percent = static_cast<int>(v);
    return true;
  }
  const std::vector<std::string> parts = SplitAtCommas(value);
  long sides[2] = {0, 0};
  for (size_t i = 0; i < parts.size() && parts.size() == 2; ++i)
    if (!ParseWholeNumber(parts[i], 0, kMaxSide, sides[i])) sides[i] = -1;
  if (parts.size() != 2 || sides[0] < 0 || sides[1] < 0 || sides[0] + sides[1] == 0)
    return UsageError("'" + word + "': resize takes W,H in pixels (one of them 0 to keep the proportions) or N%");
  step.width = static_cast<int>(sides[0]), step.height = static_cast<int>(sides[1]);
  return true;
}

}  // namespace

void SelectionWords::GiveTo(RecipeStep& step) const {
  step.selection = selection;
  if (step.selection) step.selection->feather = feather;
  step.selectionPercent = selection ? percent : PercentFlags{};
  if (step.kind == RecipeStep::Kind::Image && step.image.command == ImageCommand::Resize)
    step.image.filter = filter;
}

Result<bool> ReadSelectionWord(const std::string& name, const std::string& value, SelectionWords& words) {
  if (name == "select") return ReadSelect(value, words);
  long v;
  if (name == "feather") {
    if (!ParseWholeNumber(value, 0, kMaxFeather, v))
      return UsageError("feather takes a whole number from 0 to " + std::to_string(kMaxFeather) + ", not '" +
                        value + "'");
    words.feather = static_cast<int>(v);
    return true;
  }
  if (name != "filter") return false;
  if (!FilterFromKey(Lower(value), words.filter))
    return UsageError("filter takes box, bilinear, bspline, bicubic, catmull-rom or lanczos3, not '" + value + "'");
  return true;
}

Result<bool> ReadImageWord(const std::string& name, const std::string& value, const SelectionWords& words,
                           ImageStep& step) {
  step = ImageStep{};
  const std::string word = Lower(name + "=" + value);
  for (const FlipOrTurn& f : kFlipsAndTurns)
    if (word == f.word) {
      step.command = f.command;
      return true;
    }
  if (name == "flip" || name == "turn")
    return UsageError("'" + name + "=" + value + "': flip takes horizontal or vertical, turn left or right");
  if (name == "resize") return ReadResize(value, step);
  if (name != "crop") return false;
  step.command = ImageCommand::Crop;
  if (Lower(value) != "selection") {
    if (Status box = ParseBox(value, name + "=" + value, step.box, step.boxPercent); !box)
      return std::unexpected(box.error());
    return true;
  }
  if (!words.selection) return UsageError("crop=selection needs a selection before it (select=X,Y,W,H)");
  step.toSelection = true;
  return true;
}

std::vector<std::string> WordsBefore(const RecipeStep& step, SelectionWords& said) {
  std::vector<std::string> words;
  const std::optional<Selection>& wanted = step.selection;
  if (wanted != said.selection || (wanted && step.selectionPercent != said.percent)) {
    if (!wanted) words.push_back("select=none");
    if (wanted && wanted->feather != said.feather) words.push_back("feather=" + std::to_string(wanted->feather));
    if (wanted)
      words.push_back(std::string("select=") + (wanted->shape == SelectionShape::Ellipse ? "ellipse:" : "") +
                      BoxText(wanted->box, step.selectionPercent));
    if (wanted && wanted->inverted) words.push_back("select=invert");
    said.selection = wanted;
    said.percent = step.selectionPercent;
    if (wanted) said.feather = wanted->feather;
  }
  const ImageStep& image = step.image;
  if (step.kind == RecipeStep::Kind::Image && image.command == ImageCommand::Resize && image.filter != said.filter) {
    words.push_back(std::string("filter=") + FilterKey(image.filter));
    said.filter = image.filter;
  }
  return words;
}

std::string ImageWord(const ImageStep& step) {
  for (const FlipOrTurn& f : kFlipsAndTurns)
    if (step.command == f.command) return f.word;
  if (step.command == ImageCommand::Crop)
    return step.toSelection ? "crop=selection" : "crop=" + BoxText(step.box, step.boxPercent);
  if (step.percent > 0) return "resize=" + std::to_string(step.percent) + "%";
  return "resize=" + std::to_string(step.width) + "," + std::to_string(step.height);
}

}  // namespace pixmora
