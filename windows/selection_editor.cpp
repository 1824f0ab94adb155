#include "windows/selection_editor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pixmora::windows {

namespace {

// The pixel edge nearest to p, within the picture.
QPoint Edge(QPointF p, QSize picture) {
  return {std::clamp(static_cast<int>(std::lround(p.x())), 0, picture.width()),
          std::clamp(static_cast<int>(std::lround(p.y())), 0, picture.height())};
}

// The box between two edges, either way round.
Box Between(int x0, int y0, int x1, int y1) {
  return {std::min(x0, x1), std::min(y0, y1), std::abs(x1 - x0), std::abs(y1 - y0)};
}

bool Contains(const Box& b, QPointF p) {
  return p.x() >= b.x && p.x() <= b.x + b.width && p.y() >= b.y && p.y() <= b.y + b.height;
}

}  // namespace

std::array<QPointF, 8> SelectionHandles(const Box& b) {
  const double x0 = b.x, x1 = b.x + b.width, y0 = b.y, y1 = b.y + b.height;
  const double xm = (x0 + x1) / 2, ym = (y0 + y1) / 2;
  return {QPointF(x0, y0), QPointF(xm, y0), QPointF(x1, y0), QPointF(x1, ym),
          QPointF(x1, y1), QPointF(xm, y1), QPointF(x0, y1), QPointF(x0, ym)};
}

Selection Nudged(Selection s, int dx, int dy, QSize picture) {
  s.box.x = std::clamp(s.box.x + dx, 0, std::max(0, picture.width() - s.box.width));
  s.box.y = std::clamp(s.box.y + dy, 0, std::max(0, picture.height() - s.box.height));
  return s;
}

SelectionEditor::SelectionEditor(QPointF p, const std::optional<Selection>& current, SelectionShape tool,
                                 QSize picture, double reach)
    : from_(p), picture_(picture) {
  start_.shape = tool;
  if (!current) return;
  const std::array<QPointF, 8> handles = SelectionHandles(current->box);
  for (size_t i = 0; i < handles.size(); ++i) {
    if (std::abs(p.x() - handles[i].x()) > reach || std::abs(p.y() - handles[i].y()) > reach) continue;
    static constexpr int kSideX[] = {-1, 0, 1, 1, 1, 0, -1, -1}, kSideY[] = {-1, -1, -1, 0, 1, 1, 1, 0};
    sideX_ = kSideX[i], sideY_ = kSideY[i];
    edit_ = SelectionEdit::Resized, start_ = *current;
    return;
  }
  if (Contains(current->box, p)) edit_ = SelectionEdit::Moved, start_ = *current;
}

std::optional<Selection> SelectionEditor::At(QPointF p, bool square) const {
  Selection s = start_;
  const Box& b = start_.box;
  if (edit_ == SelectionEdit::Moved) {
    const QPointF moved = p - from_;
    return Nudged(s, static_cast<int>(std::lround(moved.x())), static_cast<int>(std::lround(moved.y())), picture_);
  }
  const QPoint to = Edge(p, picture_);
  if (edit_ == SelectionEdit::Resized) {
    // The sides the handle holds follow the pointer; a box never loses its last pixel.
    int x0 = b.x, y0 = b.y, x1 = b.x + b.width, y1 = b.y + b.height;
    if (sideX_ < 0) x0 = to.x();
    if (sideX_ > 0) x1 = to.x();
    if (sideY_ < 0) y0 = to.y();
    if (sideY_ > 0) y1 = to.y();
    s.box = Between(x0, y0, x1, y1);
    if (s.box.width == 0 || s.box.height == 0) return start_;
    return s;
  }
  const QPoint anchor = Edge(from_, picture_);
  int dx = to.x() - anchor.x(), dy = to.y() - anchor.y();
  if (square) {
    // As large as the longer side, as far as the picture lets it each way.
    const int room = std::min(dx < 0 ? anchor.x() : picture_.width() - anchor.x(),
                              dy < 0 ? anchor.y() : picture_.height() - anchor.y());
    const int side = std::min(std::max(std::abs(dx), std::abs(dy)), room);
    dx = dx < 0 ? -side : side, dy = dy < 0 ? -side : side;
  }
  s.box = Between(anchor.x(), anchor.y(), anchor.x() + dx, anchor.y() + dy);
  if (s.box.width == 0 || s.box.height == 0) return std::nullopt;
  return s;
}

}  // namespace pixmora::windows
