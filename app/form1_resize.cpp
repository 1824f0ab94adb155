// Form1's size and layout: at first its design size, as far as the screen
// allows; never smaller than what still shows every control (the side panel
// scrolls), so that it fits a 1366 x 768 screen; the previews fill the work
// area. The size and place are remembered between runs.
#include <QScreen>
#include <QShowEvent>

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
}  // namespace

void Form1::FitOuterSize() {
  // The window system's frame is known once the window is shown; until then it counts as nothing.
  const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
  setMinimumSize(kLeastOuterSize - frame);
  if (isVisible()) return;
  // At start-up, the size and place the user last left the window in; at a
  // first start the design size, on the screen.
  if (restoreGeometry(SavedWindowGeometry())) return;
  resize(kOuterSize.boundedTo(screen()->availableGeometry().size()) - frame);
}

void Form1::Form_Resize() {
  // Qt batches the repaint of the moved previews, so nothing flickers.
  LayOutWorkArea(c_);
}

void Form1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  FitOuterSize();
}

}  // namespace pixmora::app
