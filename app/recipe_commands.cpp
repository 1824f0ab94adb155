#include "app/recipe_commands.h"

#include "app/file_dialog.h"
#include "app/missing_pictures.h"
#include "app/user_settings.h"
#include "core/paths_and_text.h"
#include "imageio/atomic_file.h"
#include "session/recipe/recipe_file.h"
#include "session/recipe/recipe_slice.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

// The first picture the recipe opens as image A.
std::string OriginalImageA(const Recipe& recipe) {
  for (const RecipeStep& step : recipe.steps)
    if (step.kind == RecipeStep::Kind::Open && step.slot == Slot::ImageA) return step.file;
  return "";
}

// The steps that made the result, and how the save dialog last said to write it.
Recipe ResultRecipe(const History& history) {
  Recipe recipe = LiveSteps(history.RecipeToHere());
  recipe.save = RememberedSaveSettings();
  return recipe;
}

}  // namespace

QString ResultCommandLine(const History& history) {
  const Recipe recipe = ResultRecipe(history);
  const std::string original = OriginalImageA(recipe);
  if (original.empty()) return {};
  // The result goes beside the original, named after it.
  const std::string output = FolderOf(original) + "/" + StemOf(original) + "-edited.png";
  return QString::fromStdString(RecipeCommandLine(recipe, output));
}

void SaveRecipe(CommandHost& host, const History& history) {
  const Recipe recipe = ResultRecipe(history);
  if (OriginalImageA(recipe).empty()) {
    host.Report(windows::Tr(kOpenImageAFirst));
    return;
  }
  FileDialogRequest request;
  request.title = windows::Tr("Save recipe");
  request.filter = windows::Tr("Recipes") + QStringLiteral("(*.recipe)|*.recipe|");
  request.defaultExtension = ".recipe";
  request.save = true;
  const FileDialogAnswer answer = host.Dialog1().Show(host.Owner(), request);
  if (answer.fileName.isEmpty()) return;
  if (Status written = WriteTextFile(answer.fileName.toStdString(), RecipeText(recipe)); !written)
    host.Report(QString::fromStdString(written.error().Message()));
}

}  // namespace pixmora::app
