// Form1's size and layout: at first its design size, frame included, where
// the screen's available area holds it, else that area; never smaller than
// what still shows every control (the side panel scrolls), so that it fits a
// 1280 x 720 screen; the previews fill the work area. The size and place are
// remembered between runs, and the frame is kept on the screen.
#include <QMoveEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>

#include "app/form1.h"
#include "app/picture_box.h"
#include "app/user_settings.h"
#include "app/work_area.h"
#include "core/numeric.h"

namespace pixmora::app {

namespace {
// The design size, 16000 x 11400 twips at 15 twips a pixel, frame included.
constexpr double kTwipsPerPixel = 15;
const QSize kOuterSize(static_cast<int>(RoundHalfEven(16000 / kTwipsPerPixel)),
                       static_cast<int>(RoundHalfEven(11400 / kTwipsPerPixel)));
// The least the window may be made, frame included.
const QSize kLeastOuterSize(800, 560);
// How long after the first show the window system may still be adding the
// frame (and moving the window for it), when it adds none.
constexpr int kPlacingMs = 1500;
}  // namespace

void Form1::FitOuterSize() {
  // At start-up, the size and place the user last left the window in; at a
  // first start the design size. The frame is not known until the window
  // shows: PlaceOnScreen then takes it off.
  restored_ = restoreGeometry(SavedWindowGeometry());
  if (!restored_) resize(kOuterSize.boundedTo(screen()->availableGeometry().size()));
}

// The frame within the screen's available area: the size (at a first start
// the design's, frame included), then the place.
void Form1::PlaceOnScreen() {
  const QRect room = screen()->availableGeometry();
  const QSize frame = frameGeometry().size() - geometry().size();
  setMinimumSize(kLeastOuterSize.boundedTo(room.size()) - frame);
  const QSize outer = (restored_ ? frameGeometry().size() : kOuterSize).boundedTo(room.size());
  if (outer - frame != size()) resize(outer - frame);
  const QPoint at = frameGeometry().topLeft();
  const QPoint inside(std::clamp(at.x(), room.left(), room.right() + 1 - outer.width()),
                      std::clamp(at.y(), room.top(), room.bottom() + 1 - outer.height()));
  if (inside != at) move(inside);
  // Placed with its frame, the window is the user's to move.
  if (frame != QSize(0, 0)) placing_ = false;
}

void Form1::Form_Resize() {
  // Qt batches the repaint of the moved previews, so nothing flickers.
  LayOutWorkArea(c_);
}

void Form1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = placing_ = true;
  QTimer::singleShot(kPlacingMs, this, [this] { placing_ = false; });
  PlaceOnScreen();
}

// The window system answers the first show with the frame it adds.
void Form1::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (placing_) PlaceOnScreen();
}

}  // namespace pixmora::app
