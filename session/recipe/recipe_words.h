// The words recipes are written in, one a command-line argument or a word of
// a recipe file's line:
//   KEY, a caption or MENU:INDEX
//                              a menu command (keys and captions in any letter case)
//   rotate:N                   the rotation slider at N (-8..8)
//   flatten                    Image > Flatten onto Colour 2
//   color1=R,G,B color2=R,G,B strength=N size=N
//                              the side panel's values, for the commands after
//   image-a=FILE image-b=FILE pattern=FILE shape=FILE
//                              a picture file opened into its place
//   image-a=result image-b=result
//                              the result handed on ("Load image (A)/(B)")
//   quality=N compression=fast|default|best
//                              how the result's file is written (JPEG, PNG)
//   random=N                   the random source stands at N (values drawn
//                              since a start) when the next command starts
//   back-colour=R,G,B          the result's back colour when the next command
//                              or rotation starts
//   select=... feather=N filter=NAME crop=... resize=... flip=... turn=...
//                              the selection and the Image menu (image_words.h)
// A command or rotation right after another works on that one's result:
// image A takes it first, as "Load image (A)" does.
#pragma once
#include <string>
#include <vector>

#include "session/recipe/image_words.h"
#include "session/recipe/recipe.h"

namespace pixmora {

// A value given on purpose (an option or a value word), remembered so that
// one no command reads can be pointed out.
struct GivenValue {
  Input input;
  std::string text;  // as written: "--size", "size=3"
  size_t from;       // the first step it applies to
};

class RecipeBuilder {
 public:
  explicit RecipeBuilder(const ControlValues& start = {});

  // Adds one word; fails (a usage error) for a word that is none of the above.
  Status Add(const std::string& word);
  // A picture file opened into its place (what the options --image-b and
  // the like say).
  void Open(Slot slot, const std::string& file, const std::string& text);
  // One of the side panel's values for the commands from here on, by its
  // name ("strength"), as an option gives it; label names it in messages.
  Status SetValue(const std::string& name, const std::string& value, const std::string& label);
  // Where relative file names start (a recipe file's folder, ending in '/').
  void SetBaseFolder(const std::string& folder) { base_ = folder; }

  const Recipe& Get() const { return recipe_; }
  Recipe& Get() { return recipe_; }
  const std::vector<GivenValue>& Given() const { return given_; }

 private:
  // Whether name is one of the values (then set from value), or why value is not one.
  Result<bool> AddValue(const std::string& name, const std::string& value, const std::string& label,
                        const std::string& text);
  // The same for the values and the pictures' places.
  Result<bool> AddSetting(const std::string& name, const std::string& value, const std::string& word);
  void AddOperation(RecipeStep step);
  // A random=N word: the random source's position for the next operation.
  Status SetRandomPosition(const std::string& value, const std::string& word);

  Recipe recipe_;
  ControlValues values_;
  std::optional<uint64_t> randomAt_;
  std::optional<ColorRef> backColour_;
  SelectionWords selection_;
  std::string base_;
  std::vector<GivenValue> given_;
};

// The menu command a key, a caption or MENU:INDEX names, or a usage error.
Result<RecipeStep> ParseOperation(const std::string& word);

// Sets rgb from text, R,G,B with each value from 0 to 255; name is what
// messages call it.
Status ParseColour(const std::string& name, const std::string& text, int16_t (&rgb)[3]);

// The words that set these save settings ("quality=90 compression=best"),
// those that differ from the defaults.
std::string SaveWords(const SaveSettings& save);

// The words that make these values (only those of which, when given).
std::string ValueWords(const ControlValues& values, Inputs which);
// "back-colour=R,G,B".
std::string BackColourWord(ColorRef colour);

// "--size is not read by Horizontal lines": a line for each value given that
// no command after it reads.
std::vector<std::string> UnreadValues(const Recipe& recipe, const std::vector<GivenValue>& given);

}  // namespace pixmora
