#include "session/recipe/recipe_words.h"

#include <cstdlib>
#include <utility>

#include "core/paths_and_text.h"
#include "session/recipe/whole_number.h"
#include "session/slider_command.h"

namespace pixmora {

namespace {

// Sets value from text, a whole number from lo to hi.
Status ParseRange(const std::string& name, const std::string& text, long lo, long hi, int16_t& value) {
  long v;
  if (!ParseWholeNumber(text, lo, hi, v))
    return UsageError(name + " takes a whole number from " + std::to_string(lo) + " to " +
                      std::to_string(hi) + ", not '" + text + "'");
  value = static_cast<int16_t>(v);
  return {};
}

// A key or a caption, in any letter case (no key is another command's caption).
bool FromKeyOrCaption(const std::string& text, RecipeStep& step) {
  const std::string wanted = Lower(text);
  const CatalogueEntry* found = FindByKey(wanted);
  for (const CatalogueEntry& e : Catalogue())
    if (!found && !e.IsSeparator() && Lower(e.caption) == wanted) found = &e;
  if (!found) return false;
  step.menu = found->menu, step.index = found->index;
  return true;
}

// Whether text is MENU:INDEX (then step names that command); fails for an
// index that names none.
Result<bool> FromMenuIndex(const std::string& text, RecipeStep& step) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos || !MenuFromKey(Lower(text.substr(0, colon)), step.menu))
    return false;
  const std::string key = Lower(text.substr(0, colon)), number = text.substr(colon + 1);
  long v;
  if (!ParseWholeNumber(number, 0, 32767, v))
    return UsageError("'" + text + "': the index must be a whole number from 0");
  const CatalogueEntry* entry = FindEntry(step.menu, static_cast<int>(v));
  if (!entry) return UsageError("'" + text + "': the " + key + " menu has no entry " + number);
  if (entry->IsSeparator())
    return UsageError("'" + text + "' is a separator of the " + key + " menu, not a command");
  step.index = static_cast<int16_t>(v);
  return true;
}

bool SlotFromKey(const std::string& key, Slot& slot) {
  for (Slot s : kOpenedSlots)
    if (key == SlotKey(s)) {
      slot = s;
      return true;
    }
  return false;
}

// Sets the save setting name names from value; false for a name that is none.
Result<bool> AddSaveSetting(const std::string& name, const std::string& value, SaveSettings& save) {
  if (name == "quality") {
    int16_t quality;
    if (Status parsed = ParseRange(name, value, 1, 100, quality); !parsed) return std::unexpected(parsed.error());
    save.jpegQuality = quality;
    return true;
  }
  if (name != "compression") return false;
  if (!PngCompressionFromWord(value, save.pngCompression))
    return UsageError("compression takes fast, default or best, not '" + value + "'");
  return true;
}

}  // namespace

Status ParseColour(const std::string& name, const std::string& text, int16_t (&rgb)[3]) {
  size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    const size_t comma = text.find(',', start);
    const bool last = i == 2;
    if (last != (comma == std::string::npos))
      return UsageError(name + " takes R,G,B (three numbers 0..255), not '" + text + "'");
    long v;
    if (!ParseWholeNumber(text.substr(start, last ? std::string::npos : comma - start), 0, 255, v))
      return UsageError(name + " takes R,G,B with each value from 0 to 255, not '" + text + "'");
    rgb[i] = static_cast<int16_t>(v);
    start = comma + 1;
  }
  return {};
}

Result<RecipeStep> ParseOperation(const std::string& word) {
  RecipeStep step;
  step.text = word;
  if (Lower(word) == "flatten") {
    step.kind = RecipeStep::Kind::Flatten;
    return step;
  }
  if (Lower(word).rfind("rotate:", 0) == 0) {
    step.kind = RecipeStep::Kind::Rotate;
    long v;
    if (!ParseWholeNumber(word.substr(7), -kSliderSteps, kSliderSteps, v))
      return UsageError("rotate:N takes the slider's value, a whole number from -" +
                        std::to_string(kSliderSteps) + " to " + std::to_string(kSliderSteps) + ", not '" +
                        word + "'");
    step.sliderValue = static_cast<int16_t>(v);
    return step;
  }
  const Result<bool> indexed = FromMenuIndex(word, step);
  if (!indexed) return std::unexpected(indexed.error());
  if (*indexed || FromKeyOrCaption(word, step)) return step;
  return UsageError("unknown command '" + word + "' (see 'pixmora-cli list')");
}

RecipeBuilder::RecipeBuilder(const ControlValues& start) : values_(start) {}

Status RecipeBuilder::Add(const std::string& word) {
  const size_t equals = word.find('=');
  if (equals != std::string::npos && equals > 0) {
    const Result<bool> setting = AddSetting(Lower(word.substr(0, equals)), word.substr(equals + 1), word);
    if (!setting) return std::unexpected(setting.error());
    if (*setting) return {};
  }
  Result<RecipeStep> step = ParseOperation(word);
  if (!step) return std::unexpected(step.error());
  AddOperation(std::move(*step));
  return {};
}

Result<bool> RecipeBuilder::AddValue(const std::string& name, const std::string& value,
                                     const std::string& label, const std::string& text) {
  Input input;
  Status parsed;
  if (name == "color1") {
    parsed = ParseColour(label, value, values_.colour1);
    input = Input::Colour1;
  } else if (name == "color2") {
    parsed = ParseColour(label, value, values_.colour2);
    input = Input::Colour2;
  } else if (name == "strength") {
    parsed = ParseRange(label, value, 1, 10, values_.strength);
    input = Input::Strength;
  } else if (name == "size") {
    parsed = ParseRange(label, value, 1, 10, values_.size);
    input = Input::Size;
  } else {
    return false;
  }
  if (!parsed) return std::unexpected(parsed.error());
  given_.push_back({input, text, recipe_.steps.size()});
  return true;
}

Status RecipeBuilder::SetValue(const std::string& name, const std::string& value,
                               const std::string& label) {
  const Result<bool> set = AddValue(name, value, label, label);
  if (!set) return std::unexpected(set.error());
  if (!*set) return UsageError("there is no value called " + name);
  return {};
}

Result<bool> RecipeBuilder::AddSetting(const std::string& name, const std::string& value,
                                       const std::string& word) {
  Slot slot;
  const Result<bool> isValue = AddValue(name, value, name, word);
  if (!isValue || *isValue) return isValue;
  const Result<bool> isSave = AddSaveSetting(name, value, recipe_.save);
  if (!isSave || *isSave) return isSave;
  if (name == "random") {
    if (Status set = SetRandomPosition(value, word); !set) return std::unexpected(set.error());
    return true;
  }
  if (name == "back-colour") {
    int16_t rgb[3];
    if (Status parsed = ParseColour(name, value, rgb); !parsed) return std::unexpected(parsed.error());
    backColour_ = PackRGB(rgb[0], rgb[1], rgb[2]);
    return true;
  }
  const Result<bool> selects = ReadSelectionWord(name, value, selection_);
  if (!selects || *selects) return selects;
  RecipeStep image;
  image.kind = RecipeStep::Kind::Image, image.text = word;
  const Result<bool> isImage = ReadImageWord(name, value, selection_, image.image);
  if (isImage && *isImage) AddOperation(std::move(image));
  if (!isImage || *isImage) return isImage;
  if (!SlotFromKey(name, slot)) return false;
  if (value.empty()) return UsageError("'" + word + "' names no file");
  if (value != "result") {
    Open(slot, value, word);
    return true;
  }
  if (slot != Slot::ImageA && slot != Slot::ImageB)
    return UsageError("'" + word + "': only image A and image B can take the result");
  RecipeStep step;
  step.kind = RecipeStep::Kind::HandOn, step.slot = slot, step.text = word;
  recipe_.steps.push_back(step);
  return true;
}

void RecipeBuilder::Open(Slot slot, const std::string& file, const std::string& text) {
  RecipeStep step;
  step.kind = RecipeStep::Kind::Open, step.slot = slot, step.text = text;
  step.file = base_.empty() || file.front() == '/' ? file : base_ + file;
  recipe_.steps.push_back(step);
}

Status RecipeBuilder::SetRandomPosition(const std::string& value, const std::string& word) {
  char* end = nullptr;
  const unsigned long long position = std::strtoull(value.c_str(), &end, 10);
  if (value.empty() || *end != '\0' || value[0] == '-')
    return UsageError("'" + word + "': random=N takes the number of values drawn, a whole number from 0");
  randomAt_ = position;
  return {};
}

void RecipeBuilder::AddOperation(RecipeStep step) {
  if (!recipe_.steps.empty() && recipe_.steps.back().IsOperation()) {
    RecipeStep handOn;
    handOn.kind = RecipeStep::Kind::HandOn, handOn.slot = Slot::ImageA;
    recipe_.steps.push_back(handOn);
  }
  step.values = values_;
  step.randomAt = std::exchange(randomAt_, std::nullopt);
  step.backColour = std::exchange(backColour_, std::nullopt);
  selection_.GiveTo(step);
  recipe_.steps.push_back(step);
}

std::string ValueWords(const ControlValues& v, Inputs which) {
  auto rgb = [](const int16_t (&c)[3]) {
    return std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]);
  };
  std::string words;
  auto add = [&words](const std::string& word) { words += (words.empty() ? "" : " ") + word; };
  if (Has(which, Input::Colour1)) add("color1=" + rgb(v.colour1));
  if (Has(which, Input::Colour2)) add("color2=" + rgb(v.colour2));
  if (Has(which, Input::Strength)) add("strength=" + std::to_string(v.strength));
  if (Has(which, Input::Size)) add("size=" + std::to_string(v.size));
  return words;
}

std::string BackColourWord(ColorRef colour) {
  const Channels c = ChannelBytes(colour);
  return "back-colour=" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::string SaveWords(const SaveSettings& save) {
  std::string words;
  if (save.jpegQuality > 0) words = "quality=" + std::to_string(save.jpegQuality);
  if (save.pngCompression != PngCompression::Default)
    words += (words.empty() ? "" : " ") + std::string("compression=") + PngCompressionWord(save.pngCompression);
  return words;
}

std::vector<std::string> UnreadValues(const Recipe& recipe, const std::vector<GivenValue>& given) {
  std::vector<std::string> notes;
  for (const GivenValue& g : given) {
    std::string commands;
    bool read = false;
    for (size_t i = g.from; i < recipe.steps.size() && !read; ++i) {
      const RecipeStep& step = recipe.steps[i];
      const CatalogueEntry* entry =
          step.kind == RecipeStep::Kind::Command ? FindEntry(step.menu, step.index) : nullptr;
      if (!entry && step.kind != RecipeStep::Kind::Flatten) continue;
      read = Has(step.Reads(), g.input);
      commands += (commands.empty() ? "" : ", ") + std::string(entry ? entry->caption : "flatten");
    }
    if (!read)
      notes.push_back(g.text + " is not read by " + (commands.empty() ? "any command" : commands));
  }
  return notes;
}

}  // namespace pixmora
