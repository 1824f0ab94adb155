#include "session/recipe/recipe_file.h"

#include "core/paths_and_text.h"
#include "session/config/free_format.h"
#include "session/recipe/recipe_slice.h"

namespace pixmora {

namespace {

// The words of one line, quotes removed; false at an unclosed quote.
bool SplitWords(const std::string& line, std::vector<std::string>& words) {
  std::string word;
  bool inWord = false, quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\'))
        word += line[++i];
      else if (c == '"') quoted = false;
      else word += c;
    } else if (c == '#') {
      break;
    } else if (c == ' ' || c == '\t' || c == '\r') {
      if (inWord) words.push_back(word), word.clear();
      inWord = false;
    } else {
      inWord = true;
      if (c == '"') quoted = true;
      else word += c;
    }
  }
  if (inWord) words.push_back(word);
  return !quoted;
}

// A word for a recipe file: quoted when it holds blanks, quotes, '#' or '\'.
std::string FileWord(const std::string& word) {
  if (word.find_first_of(" \t\"#\\") == std::string::npos && !word.empty()) return word;
  const size_t equals = word.find('=');
  const std::string name = equals == std::string::npos ? "" : word.substr(0, equals + 1);
  std::string quoted = name + "\"";
  for (char c : word.substr(name.size())) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// The word a step is written as, and the comment that names it.
std::string StepWords(const RecipeStep& step, std::string& comment) {
  switch (step.kind) {
    case RecipeStep::Kind::Open:
      return std::string(SlotKey(step.slot)) + "=" + step.file;
    case RecipeStep::Kind::HandOn:
      return std::string(SlotKey(step.slot)) + "=result";
    case RecipeStep::Kind::Rotate:
      comment = "the slider at " + std::to_string(step.sliderValue * 45) + " degrees";
      return "rotate:" + std::to_string(step.sliderValue);
    case RecipeStep::Kind::Flatten:
      comment = "Flatten onto Colour 2";
      return "flatten";
    case RecipeStep::Kind::Image:
      comment = ImageCommandName(step.image.command);
      return ImageWord(step.image);
    case RecipeStep::Kind::Select: return "";  // the operations after it carry the selection
    case RecipeStep::Kind::Command: break;
  }
  const CatalogueEntry* entry = FindEntry(step.menu, step.index);
  comment = entry->caption;
  return entry->key;
}

Inputs ValuesRead(const RecipeStep& step) {
  constexpr Inputs kValues = Input::Colour1 | Input::Colour2 | Input::Strength | Input::Size;
  return step.Reads() & kValues;
}

// Each step as words: the values a command reads, and the selection an
// operation takes where it changes, come just before it.
template <class Emit>  // void emit(std::vector<std::string> words, const std::string& comment)
void ForEachLine(const Recipe& recipe, Emit emit) {
  SelectionWords said;
  for (const RecipeStep& step : LiveSteps(recipe).steps) {
    std::vector<std::string> words = step.IsOperation() ? WordsBefore(step, said) : std::vector<std::string>{};
    const std::string values = ValueWords(step.values, ValuesRead(step));
    for (size_t start = 0; start < values.size();) {
      const size_t blank = std::min(values.find(' ', start), values.size());
      words.push_back(values.substr(start, blank - start));
      start = blank + 1;
    }
    if (step.kind == RecipeStep::Kind::Command && step.randomAt)
      words.push_back("random=" + std::to_string(*step.randomAt));
    if (step.IsOperation() && step.backColour) words.push_back(BackColourWord(*step.backColour));
    std::string comment;
    words.push_back(StepWords(step, comment));
    emit(words, comment);
  }
}

// A line of a recipe file, its comment (if any) in the column after the words.
std::string WithComment(const std::string& words, const std::string& comment) {
  if (comment.empty()) return words + "\n";
  return words + std::string(words.size() < 40 ? 40 - words.size() : 1, ' ') + "# " + comment + "\n";
}

}  // namespace

Status ReadRecipeText(const std::string& text, const std::string& base, RecipeBuilder& builder) {
  bool header = false;
  int number = 0;
  builder.SetBaseFolder(base);
  for (size_t start = 0; start < text.size(); ++number) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    std::vector<std::string> words;
    const std::string where = "line " + std::to_string(number + 1) + ": ";
    if (!SplitWords(line, words)) return UsageError(where + "a quote is not closed");
    if (words.empty()) continue;
    if (!header) {
      const std::string first = words.size() == 2 ? words[0] + " " + words[1] : "";
      if (first != kRecipeHeader && first != kFirstRecipeHeader)
        return UsageError(where + "a recipe starts with the line \"" + kRecipeHeader + "\"");
      header = true;
      continue;
    }
    for (const std::string& word : words)
      if (Status added = builder.Add(word); !added) return UsageError(where + added.error().why);
  }
  if (!header) return UsageError("it is empty");
  return {};
}

Status ReadRecipeFile(const std::string& path, RecipeBuilder& builder) {
  Result<std::string> text = ReadTextFile(path);
  if (!text) {
    text.error().kind = Failure::Kind::Usage;
    text.error().role = "the recipe";
    return std::unexpected(text.error());
  }
  const Status read = ReadRecipeText(*text, FolderOf(path) + "/", builder);
  if (!read) return UsageError("the recipe " + path + ", " + read.error().why);
  return {};
}

std::string RecipeText(const Recipe& recipe) {
  std::string text = std::string(kRecipeHeader) +
                     "\n# Replay: pixmora-cli apply --recipe THIS-FILE IMAGE_A OUTPUT\n"
                     "# IMAGE_A takes the place of the first image-a picture below.\n";
  ForEachLine(recipe, [&text](const std::vector<std::string>& words, const std::string& comment) {
    std::string line;
    for (const std::string& w : words) line += (line.empty() ? "" : " ") + FileWord(w);
    text += WithComment(line, comment);
  });
  const std::string save = SaveWords(recipe.save);
  if (!save.empty()) text += WithComment(save, "how OUTPUT is written");
  return text;
}

std::string RecipeCommandLine(const Recipe& recipe, const std::string& output) {
  std::string imageA, rest;
  ForEachLine(recipe, [&](const std::vector<std::string>& words, const std::string&) {
    const std::string& word = words.back();
    if (imageA.empty() && word.rfind("image-a=", 0) == 0 && word != "image-a=result") {
      imageA = word.substr(8);
      return;
    }
    for (const std::string& w : words) rest += " " + ShellWord(w);
  });
  const std::string save = SaveWords(recipe.save);
  if (!save.empty()) rest += " " + save;
  return "pixmora-cli apply " + ShellWord(imageA) + " " + ShellWord(output) + rest + " --editor-save";
}

std::string ShellWord(const std::string& word) {
  if (!word.empty() && word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                              "0123456789_-+=:,./@%") == std::string::npos)
    return word;
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace pixmora
