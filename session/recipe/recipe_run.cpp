#include "session/recipe/recipe_run.h"

#include "core/load_planes.h"
#include "session/dispatch.h"
#include "session/flatten_command.h"
#include "session/slider_command.h"

namespace pixmora {

namespace {

void RunOperation(Workspace& ws, const RecipeStep& step, RecipeHost& host) {
  host.Stage(RecipeStage::Command, [&] {
    if (step.kind == RecipeStep::Kind::Rotate) {
      RotateIntoResult(ws, step.sliderValue);
      return;
    }
    ws.values = step.values;
    if (step.kind == RecipeStep::Kind::Flatten) FlattenIntoResult(ws);
    else RunMenuRoutine(ws, step.menu, step.index);
  });
  host.Stage(RecipeStage::Publish, [&] { PublishResult(ws); });
}

}  // namespace

void PutPicture(Workspace& ws, Slot slot, const Picture& picture) {
  ws.Surface(slot).SetPicture(picture);
  if (slot == Slot::ImageA) SizePlanes(ws.m, ws.Pic1);
}

void HandResultOn(Workspace& ws, Slot slot) {
  PutPicture(ws, slot, ws.Pic4.Image());
  ws.Pic4.SetPicture(nullptr);
  ws.Image1.SetPicture(nullptr);
}

Status CheckRecipe(const Recipe& recipe, bool haveImageB) {
  for (const RecipeStep& step : recipe.steps) {
    if (step.kind != RecipeStep::Kind::Command) {
      if (step.slot == Slot::ImageB && !step.IsOperation()) haveImageB = true;
      continue;
    }
    const CatalogueEntry* entry = FindEntry(step.menu, step.index);
    if (entry && Has(entry->reads, Input::ImageB) && !haveImageB)
      return UsageError("'" + step.text + "' (" + entry->caption +
                        ") needs image B: give it with --image-b FILE or image-b=FILE");
  }
  return {};
}

Status RunRecipe(Workspace& ws, const Recipe& recipe, RecipeHost& host) {
  for (const RecipeStep& step : recipe.steps) {
    switch (step.kind) {
      case RecipeStep::Kind::Open: {
        Result<Picture> picture;
        host.Stage(RecipeStage::Read, [&] { picture = host.Read(step.slot, step.file); });
        if (!picture) return std::unexpected(picture.error());
        PutPicture(ws, step.slot, *picture);
        break;
      }
      case RecipeStep::Kind::HandOn: HandResultOn(ws, step.slot); break;
      case RecipeStep::Kind::Command:
      case RecipeStep::Kind::Rotate:
      case RecipeStep::Kind::Flatten: RunOperation(ws, step, host); break;
    }
  }
  return {};
}

}  // namespace pixmora
