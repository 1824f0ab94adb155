// The recipe words of the selection and of the Image menu's commands:
//   select=X,Y,W,H  select=ellipse:X,Y,W,H
//                   the selection of the operations after it: a rectangle or
//                   the ellipse inside one, each value in pixels from the
//                   top-left corner or N% of image A's width or height
//   select=none  select=invert  feather=N (0..64)  filter=NAME
//                   (box, bilinear, bspline, bicubic, catmull-rom, lanczos3)
//   crop=X,Y,W,H  crop=selection  resize=W,H  resize=N%
//   flip=horizontal  flip=vertical  turn=left  turn=right
//                   steps, like a command's key
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "session/recipe/recipe.h"

namespace pixmora {

// What the selection words have set for the operations after them.
struct SelectionWords {
  std::optional<Selection> selection;  // its feather is the one below
  PercentFlags percent{};
  int feather = 0;
  ResampleFilter filter = ResampleFilter::BSpline;

  // The operation takes them: its selection and, for a resize, its filter.
  void GiveTo(RecipeStep& step) const;
};

// Whether name=value is one of the value words (then words follow it), or
// a usage error for a value it cannot take.
Result<bool> ReadSelectionWord(const std::string& name, const std::string& value, SelectionWords& words);
// Whether name=value is an Image command (then step is it), or a usage error.
Result<bool> ReadImageWord(const std::string& name, const std::string& value, const SelectionWords& words,
                           ImageStep& step);

// The words that bring said to what the operation step takes (its
// selection, its filter), said following them.
std::vector<std::string> WordsBefore(const RecipeStep& step, SelectionWords& said);
// An Image command's own word ("turn=left").
std::string ImageWord(const ImageStep& step);

}  // namespace pixmora
