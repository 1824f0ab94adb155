// The geometry of the selection tool, apart from any widget: a press, a drag
// and a release over a picture, in the picture's pixels, draw a new
// selection, move the one there or resize it by one of its eight handles;
// the arrow keys nudge it. Every selection it makes lies within the picture.
#pragma once
#include <QPointF>
#include <QSize>
#include <array>
#include <optional>

#include "ops/image/selection.h"

namespace pixmora::windows {

// What an edit did to the selection, for the step the history names.
enum class SelectionEdit { Drawn, Moved, Resized, Nudged, Cleared };

// The handles' places on a box: its corners and the middles of its sides.
std::array<QPointF, 8> SelectionHandles(const Box& box);

// The selection moved by (dx, dy) pixels, as far as the picture lets it.
Selection Nudged(Selection selection, int dx, int dy, QSize picture);

class SelectionEditor {
 public:
  // A press at p on a picture of that size, over the current selection (a
  // handle within reach pixels of p resizes it, a press inside it moves
  // it; elsewhere a new selection of the tool's shape starts).
  SelectionEditor(QPointF p, const std::optional<Selection>& current, SelectionShape tool, QSize picture,
                  double reach);

  // The selection with the pointer at p; square (Shift): a square or a circle
  // when drawing. None while a new one has no size yet.
  std::optional<Selection> At(QPointF p, bool square) const;
  SelectionEdit Edit() const { return edit_; }

 private:
  SelectionEdit edit_ = SelectionEdit::Drawn;
  Selection start_;  // the selection pressed on, or the new one's shape
  QPointF from_;     // where the press was, in pixels
  // Which sides a handle moves: -1 the left or top one, 1 the right or bottom one.
  int sideX_ = 0, sideY_ = 0;
  QSize picture_;
};

}  // namespace pixmora::windows
