#include "windows/texture_thumbnail.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "windows/qt_pictures.h"
#include "windows/read_later.h"

namespace pixmora::windows {

namespace {

// Kept at twice the strip's 30 pixels, so that the drawn thumbnail is smooth.
constexpr int kKeptSide = 60;

class ThumbnailEngine : public QIconEngine {
 public:
  struct State {
    std::string path;
    std::function<void(const Failure&)> unreadable;
    QPointer<QWidget> strip;  // repainted once the file is read
    bool asked = false;
    QPixmap pixmap;
  };
  explicit ThumbnailEngine(std::shared_ptr<State> state) : state_(std::move(state)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    const QPixmap& decoded = Decoded();
    if (decoded.isNull()) return;
    // Fitted and centred, as the strip draws any icon.
    QRect target(QPoint(0, 0), decoded.size().scaled(rect.size(), Qt::KeepAspectRatio));
    target.moveCenter(rect.center());
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawPixmap(target, decoded);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap out(size);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return out;
  }

  QIconEngine* clone() const override { return new ThumbnailEngine(state_); }

 private:
  // The thumbnail once read; the first paint asks for it, and the strip is
  // repainted when it comes.
  const QPixmap& Decoded() {
    State& s = *state_;
    if (s.asked || !s.strip) return s.pixmap;
    s.asked = true;
    ReadPictureLater(s.path, s.strip, [state = state_](const Result<Picture>& picture) {
      if (!picture) {
        if (state->unreadable) state->unreadable(picture.error());
        return;
      }
      state->pixmap = QPixmap::fromImage(
          ToQImage(**picture).scaled(kKeptSide, kKeptSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
      state->strip->update();
    });
    return s.pixmap;
  }

  std::shared_ptr<State> state_;
};

}  // namespace

QIcon TextureThumbnail(const std::string& path, QWidget* strip,
                       std::function<void(const Failure& failure)> unreadable) {
  auto state = std::make_shared<ThumbnailEngine::State>();
  state->path = path;
  state->strip = strip;
  state->unreadable = std::move(unreadable);
  return QIcon(new ThumbnailEngine(std::move(state)));
}

}  // namespace pixmora::windows
