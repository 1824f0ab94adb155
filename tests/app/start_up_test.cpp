#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <filesystem>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

#include "app/picture_box.h"
#include "core/show_fitted.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace {

bool ShowsText(const app::PreviewBox* box, const std::string& text) {
  for (const PrintedText& t : box->ShownTexts())
    if (t.text == text) return true;
  return false;
}

}  // namespace

// The window fits a 1366 x 768 screen with room for a panel; at its least
// size the side panel scrolls to its last control.
TEST_F(WindowTest, FitsALaptopScreenAndTheSidePanelScrolls) {
  Start();
  window->show();
  const QSize least = window->minimumSize();
  EXPECT_LE(least.width(), 1366 - 200);
  EXPECT_LE(least.height(), 768 - 150);
  window->resize(400, 300);
  EXPECT_EQ(window->size(), least);
  QCoreApplication::processEvents();
  auto* panel = Find<QScrollArea>("SidePanelScroll");
  panel->ensureWidgetVisible(window->Controls().picture1, 0, 0);
  const QRect pattern(window->Controls().picture1->mapTo(panel->viewport(), QPoint(0, 0)),
                      window->Controls().picture1->size());
  EXPECT_TRUE(panel->viewport()->rect().contains(pattern)) << "the pattern's preview can be reached";
}

// At a first start the window takes the design's 1067 x 760, frame included,
// where the screen's available area holds it, else that area; all of its
// frame on the screen (run on screens of 800 x 600, 1280 x 720, 1366 x 768).
TEST_F(WindowTest, AtAFirstStartTheFrameFitsTheScreen) {
  Start();
  window->move(40, 60);
  window->show();
  QCoreApplication::processEvents();
  const QRect room = window->screen()->availableGeometry();
  const QRect frame = window->frameGeometry();
  EXPECT_TRUE(room.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
  EXPECT_EQ(frame.size(), QSize(1067, 760).boundedTo(room.size()));
}

TEST_F(WindowTest, ProgressBarSitsInTheFirstPanelAtZero) {
  Start();
  const app::Form1Controls& c = window->Controls();
  EXPECT_EQ(c.ProgressBar3->parentWidget(), c.panels[0]);
  EXPECT_EQ(c.panels[0]->width(), c.ProgressBar3->width() + 15);
  EXPECT_EQ(c.ProgressBar3->value(), 0);
  EXPECT_FALSE(c.Label1->isVisibleTo(window.get()));
}

TEST_F(WindowTest, StatusBarNamesTheTextureFolder) {
  Start();
  const auto* panel = qobject_cast<QLabel*>(window->Controls().panels[1]);
  EXPECT_EQ(panel->text(), QString::fromStdString("Dir. : " + data + "texture/"));
}

TEST_F(WindowTest, StartPatternAndShapeAreShown) {
  Ship("supporto/xxx.bmp");
  Ship("supporto/albero.bmp");
  Start();
  Workspace& ws = window->Session();
  EXPECT_EQ(ws.PatPic.Width(), 171);
  EXPECT_EQ(ws.PatPic.Height(), 128);
  EXPECT_EQ(ws.Pic3.Width(), 506);
  EXPECT_FALSE(ShowsText(window->Controls().picture1, kNoPreview));
  // The tree stands on black in the black shape preview.
  EXPECT_EQ(window->Controls().Picture4->Shown().pixelColor(2, 2), QColor(0, 0, 0));
}

TEST_F(WindowTest, MissingStartPatternSaysNoPreview) {
  Ship("supporto/albero.bmp");
  Start();
  EXPECT_TRUE(ShowsText(window->Controls().picture1, kNoPreview));
  EXPECT_FALSE(window->Session().PatPic.GetPicture()) << "the pattern loses its built-in picture";
  EXPECT_FALSE(ShowsText(window->Controls().Picture4, kNoPreview));
}

// "No Preview Available" stands out from the white previews and the black
// shape preview alike, whatever the scheme's text colour.
TEST_F(WindowTest, NoPreviewAvailableReadsOnEveryBackColour) {
  Start();
  window->show();
  for (const Slot slot : {Slot::ImageA, Slot::Shape}) ASSERT_TRUE(window->ShowPicture(slot, root + "missing.bmp"));
  for (app::PreviewBox* box : {window->Controls().Image2, window->Controls().Picture4}) {
    ASSERT_TRUE(ShowsText(box, kNoPreview));
    const QImage shot = box->grab(box->contentsRect()).toImage();
    const double back = box->palette().color(QPalette::Window).lightnessF();
    double contrast = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x)
        contrast = std::max(contrast, std::abs(shot.pixelColor(x, y).lightnessF() - back));
    EXPECT_GT(contrast, 0.7) << box->objectName().toStdString();
  }
}

TEST_F(WindowTest, MissingDataFolderKeepsTheDesignAndSaysSo) {
  RemoveFolder(data);
  Start();
  EXPECT_EQ(window->Caption("mnuColor"), "Color.....");
  EXPECT_TRUE(Notice().contains("missing")) << Notice().toStdString();
}

TEST_F(WindowTest, TheTemporaryDataFolderIsCreated) {
  Start();
  EXPECT_TRUE(std::filesystem::is_directory(root + "tmp/VARDELO24"));
  EXPECT_EQ(window->Session().folders.temp, root + "tmp/VARDELO24/");
}

}  // namespace pixmora::test
