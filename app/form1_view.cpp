// Form1's large view: one picture over the whole work area in place of the
// four previews, chosen from the View menu or by a double click on its
// preview, and left with Esc, a double click or View > All Four Previews.
#include <QLabel>
#include <QMenuBar>

#include "app/form1.h"
#include "app/picture_box.h"
#include "app/status_bar.h"
#include "windows/picture_view.h"

namespace pixmora::app {

namespace {

// The label that names each slot's picture, in slot order (the result's
// snapshot is never shown large).
const char* const kCaptions[] = {"Label10", "Label11", "patte", "Label14", "Label12", ""};

}  // namespace

void Form1::ConnectLargeView() {
  BuildViewMenu(*menuBar(), {[this](std::optional<Slot> which) { ShowLarge(which); }, c_.largeView});
  const std::pair<PreviewBox*, Slot> previews[] = {{c_.Image2, Slot::ImageA},
                                                   {c_.Image3, Slot::ImageB},
                                                   {c_.Image1, Slot::Result},
                                                   {c_.Picture4, Slot::Shape},
                                                   {c_.picture1, Slot::Pattern}};
  for (const auto& [box, which] : previews)
    connect(box, &PreviewBox::doubleClicked, this, [this, which = which] { ShowLarge(which); });
  connect(c_.largeView, &windows::PictureView::doubleClicked, this, [this] { ShowLarge(std::nullopt); });
  connect(c_.largeView, &windows::PictureView::pointed, this,
          [this](const QString& text) { SetStatusPanelText(c_, kPointerPanel, text); });
  SyncViewMenu(*menuBar(), large_);
}

void Form1::ShowLarge(std::optional<Slot> which) {
  large_ = which;
  QWidget* grid[] = {c_.Image2, c_.Image3, c_.Image1, c_.Picture4,
                     c_.Label10, c_.Label11, c_.Label12, c_.Label14};
  for (QWidget* w : grid) w->setVisible(!which);
  c_.largeView->setVisible(which.has_value());
  c_.largeView->ShowBefore(false);
  RefreshLarge();
  if (!Busy()) ShowSelection();
  if (which) c_.largeView->setFocus();
  else SetStatusPanelText(c_, kPointerPanel, QString());
  SyncViewMenu(*menuBar(), large_);
}

void Form1::RefreshLarge() {
  if (!large_) return;
  // A surface cleared of its picture (the result handed on) shows none.
  const PictureSurface& shown = ws_.Surface(*large_);
  c_.largeView->SetPicture(shown.GetPicture() ? shown.Image() : nullptr,
                           Caption(kCaptions[static_cast<size_t>(*large_)]));
  // The result's comparison is image A, from which every command starts.
  c_.largeView->SetBefore(*large_ == Slot::Result ? ws_.Pic1.Image() : nullptr, Caption("Label10"));
}

}  // namespace pixmora::app
