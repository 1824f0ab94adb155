// A recipe: the steps that make a result from picture files, as the window
// records them and the batch tool replays them. The batch tool's command line
// and a recipe file are two spellings of this one representation, read by
// one parser (recipe_words.h) and run by one runner (recipe_run.h), so the
// two can never disagree about what a step does. A recipe that cannot be
// read or run as it stands is a usage error (Failure::Kind::Usage).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/failure.h"
#include "imageio/save_settings.h"
#include "session/catalogue/catalogue.h"
#include "session/image_command.h"

namespace pixmora {

struct RecipeStep {
  enum class Kind {
    Open,     // a picture file into a slot, as its open command does
    HandOn,   // the result becomes image A or image B ("Load image (A)/(B)")
    Command,  // a menu command, with the values it reads
    Rotate,   // the rotation slider at a value
    Image,    // an Image menu command: crop, resize, flip or turn
    Select,   // the window's selection changed (recipes give each operation its own)
    Flatten,  // Image > Flatten onto Colour 2
  };
  Kind kind = Kind::Command;
  Slot slot = Slot::ImageA;  // Open (one of kOpenedSlots), HandOn (image A or B)
  std::string file;                        // Open
  Menu menu = Menu::Color;                 // Command
  int16_t index = 0;
  ControlValues values;      // Command: the side panel as the command reads it
  // Command: where the random source stands when it starts, when that was
  // recorded (the window records it for the commands that draw from it, so
  // that a replay draws the same values whatever came before).
  std::optional<uint64_t> randomAt;
  // Command or Rotate: the result's back colour when it starts, when that was
  // recorded (the window records it for the steps whose result shows it, so
  // that a replay shows it whatever the colour scheme there).
  std::optional<ColorRef> backColour;
  int16_t sliderValue = 0;   // Rotate
  ImageStep image;           // Image
  // An operation's selection, none for the whole picture (Select: the new
  // one); its box may hold percentages of image A's sides.
  std::optional<Selection> selection;
  PercentFlags selectionPercent{};
  std::string text;          // as written, for messages

  bool IsOperation() const {
    return kind == Kind::Command || kind == Kind::Rotate || kind == Kind::Image || kind == Kind::Flatten;
  }
  // What the step reads besides image A: a command's catalogue row says;
  // Flatten reads colour 2.
  Inputs Reads() const;
  // Whether the operation works on its selection: an Image command only
  // when it crops to it.
  bool ReadsSelection() const {
    return kind == Kind::Command || kind == Kind::Rotate || (kind == Kind::Image && image.toSelection);
  }
  // Whether it puts a picture in its slot.
  bool PutsPicture() const { return kind == Kind::Open || kind == Kind::HandOn; }
  // The rotation's corners and what some commands leave of their cleared
  // result show the result's back colour.
  bool ShowsBackColour() const;
};

struct Recipe {
  std::vector<RecipeStep> steps;
  SaveSettings save;  // how the result's file is written (quality=N compression=C)
};

}  // namespace pixmora
