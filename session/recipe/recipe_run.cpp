#include "session/recipe/recipe_run.h"

#include "core/load_planes.h"
#include "session/dispatch.h"
#include "session/flatten_command.h"
#include "session/slider_command.h"

namespace pixmora {

namespace {

// The step's selection on image A as it is now, or why it does not fit.
Status SelectFor(Workspace& ws, const RecipeStep& step) {
  ws.selection = step.selection;
  if (!ws.selection) return {};
  const int w = ws.Pic1.Width(), h = ws.Pic1.Height();
  ws.selection->box = InPixels(step.selection->box, step.selectionPercent, w, h);
  if (ws.selection->box.Within(w, h)) return {};
  return std::unexpected(Failure{.action = "select " + BoxText(ws.selection->box) + " in",
                                 .why = "it reaches beyond its " + std::to_string(w) + " x " +
                                        std::to_string(h) + " pixels",
                                 .role = "image A"});
}

Status RunOperation(Workspace& ws, const RecipeStep& step, RecipeHost& host) {
  if (Status selected = step.ReadsSelection() ? SelectFor(ws, step) : Status(); !selected) return selected;
  Result<bool> made = true;
  host.Stage(RecipeStage::Command, [&] {
    if (step.backColour) ws.Pic4.BackColor = *step.backColour;
    if (step.kind == RecipeStep::Kind::Rotate) {
      RotateIntoResult(ws, step.sliderValue);
    } else if (step.kind == RecipeStep::Kind::Image) {
      made = MakeImageResult(ws, step.image);
    } else if (step.kind == RecipeStep::Kind::Flatten) {
      ws.values = step.values;
      FlattenIntoResult(ws);
    } else {
      ws.values = step.values;
      if (step.randomAt) ws.m.random.MoveTo(*step.randomAt);
      RunMenuRoutine(ws, step.menu, step.index);
    }
  });
  if (!made) return std::unexpected(made.error());
  host.Stage(RecipeStage::Publish, [&] { PublishResult(ws); });
  return {};
}

}  // namespace

void NoteBackColour(RecipeStep& step, const Workspace& ws) {
  if (step.ShowsBackColour()) step.backColour = ws.Pic4.BackColor;
}

void PutPicture(Workspace& ws, Slot slot, const Picture& picture) {
  ws.Surface(slot).SetPicture(picture);
  if (slot == Slot::ImageA) SizePlanes(ws.m, ws.Pic1);
}

void HandResultOn(Workspace& ws, Slot slot) {
  PutPicture(ws, slot, ws.Pic4.Image());
  ws.Pic4.SetPicture(nullptr);
  ws.Image1.SetPicture(nullptr);
}

std::vector<RecipeStep> ChainedSteps(const RecipeStep& command) {
  RecipeStep handOn;
  handOn.kind = RecipeStep::Kind::HandOn, handOn.slot = Slot::ImageA;
  return {command, handOn};
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
      case RecipeStep::Kind::Select: ws.selection = step.selection; break;
      case RecipeStep::Kind::Command:
      case RecipeStep::Kind::Rotate:
      case RecipeStep::Kind::Image:
      case RecipeStep::Kind::Flatten:
        if (Status ran = RunOperation(ws, step, host); !ran) return ran;
        break;
    }
  }
  return {};
}

}  // namespace pixmora
