#include <QLabel>
#include <filesystem>
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

TEST_F(WindowTest, StartsAtTheDesignSizeAndIsNeverSmaller) {
  Start();
  EXPECT_EQ(window->size(), window->minimumSize()) << "nothing remembered yet";
  EXPECT_GE(window->width(), 1067);
  EXPECT_GE(window->height(), 760);
  window->resize(400, 300);
  EXPECT_GE(window->width(), 1067);
  EXPECT_GE(window->height(), 760);
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

TEST_F(WindowTest, MissingDataFolderKeepsTheDesignAndSaysSo) {
  RemoveFolder(data);
  Start();
  EXPECT_EQ(Find<QMenu>("mnuColor")->title(), "Color.....");
  EXPECT_TRUE(Notice().contains("missing")) << Notice().toStdString();
}

TEST_F(WindowTest, TheTemporaryDataFolderIsCreated) {
  Start();
  EXPECT_TRUE(std::filesystem::is_directory(root + "tmp/VARDELO24"));
  EXPECT_EQ(window->Session().folders.temp, root + "tmp/VARDELO24/");
}

}  // namespace pixmora::test
