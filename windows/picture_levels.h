// A picture made ready to be drawn at any size without scaling the whole of
// it on a paint: copies at its own size and at a half, a quarter, ... of it,
// each made straight from the picture, away from the window's thread, when a
// view first wants it. A painter then draws only the part it shows, from the
// level at most twice as large as needed. Every view of one picture shares
// its levels.
#pragma once
#include <QImage>
#include <QObject>
#include <QRectF>
#include <memory>
#include <vector>

#include "core/picture.h"

class QPainter;

namespace pixmora::windows {

class PictureLevels : public QObject {
  Q_OBJECT
 public:
  // The levels of picture (not null, not empty), shared while any view
  // keeps them. Only on the window's thread.
  static std::shared_ptr<PictureLevels> Of(const Picture& picture);
  // Makes, on the calling thread (any thread), the level a view showing
  // picture with devicePerPixel device pixels to a picture pixel draws from,
  // for the levels Of makes of it next: a picture made off the window's
  // thread (a command's result) is then drawn sharp at its first paint.
  static void MakeAhead(const Picture& picture, double devicePerPixel);
  ~PictureLevels() override;

  const Picture& Source() const { return picture_; }
  // Draws the part source (in the picture's pixels) of the picture into target
  // (in the painter's coordinates), smoothly or as square pixels, its
  // transparent parts over the checkerboard. False, with nothing drawn, while
  // no level is made yet; levelMade() follows.
  bool Draw(QPainter& painter, const QRectF& target, const QRectF& source, bool smooth);

 signals:
  void levelMade();

 private:
  explicit PictureLevels(Picture picture);
  void Make(int level);

  Picture picture_;
  std::vector<QImage> levels_;  // k: the picture reduced 2^k times; null until made
  std::vector<bool> asked_;
};

}  // namespace pixmora::windows
