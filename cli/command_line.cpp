#include "cli/command_line.h"

#include <cstdlib>
#include <optional>

#include "cli/batch_run.h"
#include "session/recipe/recipe_file.h"
#include "session/recipe/recipe_run.h"

namespace pixmora::cli {

namespace {

// The options, wherever they stand; the other arguments in their order.
struct Arguments {
  std::vector<std::pair<std::string, std::string>> values;  // --color1 R,G,B, ...
  std::vector<std::pair<Slot, std::string>> pictures;
  std::optional<std::string> recipe;
  std::optional<std::string> quality, compression, flatten;
  std::vector<std::string> positional;
  bool timings = false;
  bool overwrite = false;
  bool editorSave = false;
};

Result<Arguments> Split(const std::vector<std::string>& args) {
  Arguments a;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") continue;  // the folder form's separator, harmless here
    if (arg.rfind("--", 0) != 0) {
      a.positional.push_back(arg);
      continue;
    }
    if (bool* flag = arg == "--timings" ? &a.timings : arg == "--overwrite" ? &a.overwrite
                     : arg == "--editor-save"                ? &a.editorSave
                                                             : nullptr) {
      *flag = true;
      continue;
    }
    if (i + 1 >= args.size()) return UsageError(arg + " needs a value");
    const std::string& value = args[++i];
    if (arg == "--color1" || arg == "--color2" || arg == "--strength" || arg == "--size")
      a.values.emplace_back(arg, value);
    else if (arg == "--image-b") a.pictures.emplace_back(Slot::ImageB, value);
    else if (arg == "--pattern") a.pictures.emplace_back(Slot::Pattern, value);
    else if (arg == "--shape") a.pictures.emplace_back(Slot::Shape, value);
    else if (arg == "--recipe") a.recipe = value;
    else if (arg == "--quality") a.quality = value;
    else if (arg == "--compression") a.compression = value;
    else if (arg == "--flatten") a.flatten = value;
    else return UsageError("unknown option " + arg + " (see 'pixmora-cli apply --help')");
  }
  return a;
}

// A recipe's own image A gives way to the one the command line names,
// wherever the recipe opens that picture again.
void ReplaceImageA(Recipe& recipe, size_t from, const std::string& imageA) {
  std::string own;
  for (size_t i = from; i < recipe.steps.size(); ++i) {
    RecipeStep& step = recipe.steps[i];
    if (step.kind != RecipeStep::Kind::Open || step.slot != Slot::ImageA) continue;
    if (own.empty()) own = step.file;
    if (step.file == own) step.file = imageA;
  }
}

bool HasOperation(const Recipe& recipe) {
  for (const RecipeStep& step : recipe.steps)
    if (step.IsOperation()) return true;
  return false;
}

// The recipe the arguments make, checked before any step runs.
Status Build(const Arguments& a, RecipeBuilder& builder) {
  // Options set the values the first command starts from, wherever they stand.
  for (const auto& [option, value] : a.values)
    if (Status set = builder.SetValue(option.substr(2), value, option); !set) return set;
  builder.Open(Slot::ImageA, a.positional[0], a.positional[0]);
  for (const auto& [slot, file] : a.pictures) builder.Open(slot, file, file);
  if (a.recipe) {
    const size_t from = builder.Get().steps.size();
    if (Status read = ReadRecipeFile(*a.recipe, builder); !read) return read;
    ReplaceImageA(builder.Get(), from, a.positional[0]);
  }
  for (size_t i = 2; i < a.positional.size(); ++i)
    if (Status added = builder.Add(a.positional[i]); !added) return added;
  if (!HasOperation(builder.Get()))
    return UsageError("apply needs at least one OP after IMAGE_A and OUTPUT, or --recipe FILE");
  return CheckRecipe(builder.Get(), false);
}

// How the output is encoded: the recipe's settings, and over them the
// options; an option that does not apply to the output's format is a note.
Result<SaveSettings> Settings(const Arguments& a, PictureFormat format, SaveSettings settings,
                              std::vector<std::string>& notes) {
  if (a.quality) {
    char* end = nullptr;
    const long q = std::strtol(a.quality->c_str(), &end, 10);
    if (a.quality->empty() || *end != '\0' || q < 1 || q > 100)
      return UsageError("--quality takes a whole number from 1 to 100, not '" + *a.quality + "'");
    if (format == PictureFormat::Jpeg) settings.jpegQuality = static_cast<int>(q);
    else notes.push_back("--quality is for JPEG output only");
  }
  if (a.compression) {
    PngCompression compression;
    if (!PngCompressionFromWord(*a.compression, compression))
      return UsageError("--compression takes fast, default or best, not '" + *a.compression + "'");
    if (format == PictureFormat::Png) settings.pngCompression = compression;
    else notes.push_back("--compression is for PNG output only");
  }
  return settings;
}

// The colour --flatten lays the output onto.
Result<std::optional<ColorRef>> FlattenColour(const Arguments& a) {
  if (!a.flatten) return std::nullopt;
  int16_t rgb[3];
  if (Status parsed = ParseColour("--flatten", *a.flatten, rgb); !parsed) return std::unexpected(parsed.error());
  return PackRGB(rgb[0], rgb[1], rgb[2]);
}

}  // namespace

std::vector<FileRead> FilesRead(const ApplyRequest& request) {
  std::vector<FileRead> reads;
  for (const RecipeStep& step : request.recipe.steps)
    if (step.kind == RecipeStep::Kind::Open)
      reads.push_back({SlotName(step.slot), step.file, step.slot == Slot::ImageA});
  if (!request.recipeFile.empty()) reads.push_back({"the recipe", request.recipeFile});
  return reads;
}

Result<ApplyRequest> ParseApply(const std::vector<std::string>& args) {
  const Result<Arguments> a = Split(args);
  if (!a) return std::unexpected(a.error());
  if (a->positional.size() < 2) return UsageError("apply needs IMAGE_A and OUTPUT");
  ApplyRequest request;
  request.imageA = a->positional[0];
  request.output = a->positional[1];
  request.timings = a->timings;
  request.writeAsSaved = a->recipe.has_value() || a->editorSave;
  request.recipeFile = a->recipe.value_or("");
  request.overwrite = a->overwrite;
  RecipeBuilder builder;
  if (Status built = Build(*a, builder); !built) return std::unexpected(built.error());
  request.recipe = builder.Get();
  request.notes = UnreadValues(request.recipe, builder.Given());
  const Result<PictureFormat> format = OutputFormat(request.output);
  if (!format) return std::unexpected(format.error());
  const Result<SaveSettings> save = Settings(*a, *format, request.recipe.save, request.notes);
  if (!save) return std::unexpected(save.error());
  request.save = *save;
  const Result<std::optional<ColorRef>> flatten = FlattenColour(*a);
  if (!flatten) return std::unexpected(flatten.error());
  request.flatten = *flatten;
  return request;
}

}  // namespace pixmora::cli
