#include "windows/picture_levels.h"

#include <QFutureWatcher>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <map>

#include "windows/checkerboard.h"
#include "windows/display_pool.h"
#include "windows/reduced_image.h"

namespace pixmora::windows {

namespace {

// Below this many pixels the picture's own size is cheap to make and hold.
constexpr size_t kSmallPicture = size_t{1} << 22;
constexpr int kSmallestSide = 64;

std::map<const PixelBuffer*, std::weak_ptr<PictureLevels>>& Shared() {
  static std::map<const PixelBuffer*, std::weak_ptr<PictureLevels>> shared;
  return shared;
}

// Levels first (0 or 1) to last: the first from the picture, each next one
// halved from the one before.
std::vector<QImage> MakeLevels(const Picture& picture, int first, int last) {
  std::vector<QImage> made{ReducedImage(*picture, first == 0 ? 1 : 2)};
  for (int k = first + 1; k <= last; ++k) made.push_back(HalfSize(made.back()));
  return made;
}

}  // namespace

std::shared_ptr<PictureLevels> PictureLevels::Of(const Picture& picture) {
  auto& shared = Shared();
  std::erase_if(shared, [](const auto& entry) { return entry.second.expired(); });
  if (auto levels = shared[picture.get()].lock()) return levels;
  std::shared_ptr<PictureLevels> levels(new PictureLevels(picture));
  shared[picture.get()] = levels;
  return levels;
}

PictureLevels::PictureLevels(Picture picture) : picture_(std::move(picture)) {
  int count = 1;
  for (int side = std::max(picture_->Width(), picture_->Height()); side > kSmallestSide; side = (side + 1) / 2)
    ++count;
  levels_.resize(count);
  asked_.resize(count, false);
  // A large picture starts from its half: its own size is made only when a
  // view zooms in that far.
  Make(picture_->Count() <= kSmallPicture || count == 1 ? 0 : 1);
}

PictureLevels::~PictureLevels() = default;

void PictureLevels::Make(int level) {
  level = std::min(level, 1);
  const int last = level == 0 && picture_->Count() > kSmallPicture ? 0 : static_cast<int>(levels_.size()) - 1;
  for (int k = level; k <= last; ++k) asked_[k] = true;
  auto* watcher = new QFutureWatcher<std::vector<QImage>>(this);
  connect(watcher, &QFutureWatcher<std::vector<QImage>>::finished, this, [this, watcher, level] {
    const std::vector<QImage> made = watcher->result();
    for (size_t i = 0; i < made.size(); ++i) levels_[level + i] = made[i];
    watcher->deleteLater();
    emit levelMade();
  });
  // The work holds its own share of the picture: the levels may go first.
  watcher->setFuture(QtConcurrent::run(&DisplayPool(), MakeLevels, picture_, level, last));
}

int PictureLevels::WantedLevel(double devicePerPixel) const {
  if (devicePerPixel >= 1) return 0;
  const int k = static_cast<int>(std::floor(std::log2(1 / devicePerPixel)));
  return std::clamp(k, 0, static_cast<int>(levels_.size()) - 1);
}

bool PictureLevels::Draw(QPainter& painter, const QRectF& target, const QRectF& source, bool smooth) {
  if (source.isEmpty()) return false;
  const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1;
  const int wanted = WantedLevel(target.width() * ratio / source.width());
  if (levels_[wanted].isNull() && !asked_[wanted]) Make(wanted);
  // Until the wanted level is made, the nearest one made stands in.
  int level = -1;
  for (int distance = 0; level < 0 && distance < static_cast<int>(levels_.size()); ++distance)
    for (int k : {wanted + distance, wanted - distance})
      if (level < 0 && k >= 0 && k < static_cast<int>(levels_.size()) && !levels_[k].isNull()) level = k;
  if (level < 0) return false;
  const double scale = std::ldexp(1.0, -level);
  const QRectF inLevel(source.x() * scale, source.y() * scale, source.width() * scale,
                       source.height() * scale);
  painter.save();
  if (picture_->GetAlpha()) PaintCheckerboard(painter, target);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
  painter.drawImage(target, levels_[level], inLevel);
  painter.restore();
  return true;
}

}  // namespace pixmora::windows
