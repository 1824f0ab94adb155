#include "app/missing_pictures.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>

#include "windows/translate.h"

namespace pixmora::app {

namespace {

bool Holds(const PictureSurface& surface) {
  return surface.GetPicture() && surface.GetPicture()->Count() > 0;
}

struct Need {
  Input input;
  const PictureSurface Workspace::*surface;
  const char* hint;
};

const Need kNeeds[] = {
    {Input::ImageB, &Workspace::Pic2,
     "Open image B first (File > Open > Image (b) or drop a picture on its preview)"},
    {Input::Pattern, &Workspace::PatPic,
     "Open a pattern first (File > Open Pattern or drop a picture on its preview)"},
    {Input::Shape, &Workspace::Pic3, "Choose a shape first (click its preview or drop a picture on it)"},
};

// Menus do not say why an entry is disabled; this one does, in the status bar.
class HintFilter : public QObject {
 public:
  HintFilter(QMenu& menu, std::function<void(const QString&)> show)
      : QObject(&menu), menu_(menu), show_(std::move(show)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::MouseMove) return false;
    const QAction* action = menu_.actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    const QString hint = action ? action->property("missing").toString() : QString();
    if (action && !action->isEnabled() && !hint.isEmpty()) show_(hint);
    return false;
  }

 private:
  QMenu& menu_;
  std::function<void(const QString&)> show_;
};

}  // namespace

QString MissingPictureHint(const Workspace& ws, Inputs reads) {
  if (!Holds(ws.Pic1)) return windows::Tr(kOpenImageAFirst);
  for (const Need& need : kNeeds)
    if (Has(reads, need.input) && !Holds(ws.*need.surface)) return windows::Tr(need.hint);
  return {};
}

void ShowHintsOfDisabledEntries(QMenu& menu, std::function<void(const QString&)> show) {
  menu.installEventFilter(new HintFilter(menu, std::move(show)));
}

}  // namespace pixmora::app
