#include "windows/picture_levels.h"

#include <QFutureWatcher>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

#include "windows/checkerboard.h"
#include "windows/display_pool.h"
#include "windows/reduced_image.h"

namespace pixmora::windows {

namespace {

constexpr int kSmallestSide = 64;
// Levels made ahead, kept while their pictures live (a few at most): the
// levels of a picture may be made again after its last view let them go.
constexpr size_t kAheadKept = 8;

int LevelCount(const PixelBuffer& picture) {
  int count = 1;
  for (int side = std::max(picture.Width(), picture.Height()); side > kSmallestSide; side = (side + 1) / 2)
    ++count;
  return count;
}

// The level whose pixels are at least as many as the device's where
// devicePerPixel device pixels show one picture pixel.
int WantedLevel(const PixelBuffer& picture, double devicePerPixel) {
  if (!(devicePerPixel < 1)) return 0;
  const int k = static_cast<int>(std::floor(std::log2(1 / devicePerPixel)));
  return std::clamp(k, 0, LevelCount(picture) - 1);
}

std::map<const PixelBuffer*, std::weak_ptr<PictureLevels>>& Shared() {
  static std::map<const PixelBuffer*, std::weak_ptr<PictureLevels>> shared;
  return shared;
}

struct MadeAhead {
  std::weak_ptr<const PixelBuffer> picture;
  int level;
  QImage image;
};

// Written by any thread, taken by the window's.
std::mutex aheadLock;
std::vector<MadeAhead> madeAhead;

}  // namespace

std::shared_ptr<PictureLevels> PictureLevels::Of(const Picture& picture) {
  auto& shared = Shared();
  std::erase_if(shared, [](const auto& entry) { return entry.second.expired(); });
  if (auto levels = shared[picture.get()].lock()) return levels;
  std::shared_ptr<PictureLevels> levels(new PictureLevels(picture));
  shared[picture.get()] = levels;
  return levels;
}

void PictureLevels::MakeAhead(const Picture& picture, double devicePerPixel) {
  const int level = WantedLevel(*picture, devicePerPixel);
  const auto same = [&](const MadeAhead& made) { return made.level == level && made.picture.lock() == picture; };
  {
    std::lock_guard lock(aheadLock);
    if (std::ranges::any_of(madeAhead, same)) return;
  }
  QImage image = ReducedImage(*picture, 1 << level);
  std::lock_guard lock(aheadLock);
  std::erase_if(madeAhead, [](const MadeAhead& made) { return made.picture.expired(); });
  if (madeAhead.size() == kAheadKept) madeAhead.erase(madeAhead.begin());
  madeAhead.push_back({picture, level, std::move(image)});
}

PictureLevels::PictureLevels(Picture picture) : picture_(std::move(picture)) {
  levels_.resize(LevelCount(*picture_));
  asked_.resize(levels_.size(), false);
  std::lock_guard lock(aheadLock);
  for (const MadeAhead& made : madeAhead)
    if (made.picture.lock() == picture_) levels_[made.level] = made.image, asked_[made.level] = true;
}

PictureLevels::~PictureLevels() = default;

void PictureLevels::Make(int level) {
  asked_[level] = true;
  auto* watcher = new QFutureWatcher<QImage>(this);
  connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, level] {
    levels_[level] = watcher->result();
    watcher->deleteLater();
    emit levelMade();
  });
  // The work holds its own share of the picture: the levels may go first.
  watcher->setFuture(QtConcurrent::run(&DisplayPool(), [picture = picture_, level] {
    return ReducedImage(*picture, 1 << level);
  }));
}

bool PictureLevels::Draw(QPainter& painter, const QRectF& target, const QRectF& source, bool smooth) {
  if (source.isEmpty()) return false;
  const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1;
  const int wanted = WantedLevel(*picture_, target.width() * ratio / source.width());
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
