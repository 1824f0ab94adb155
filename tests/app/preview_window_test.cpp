#include <QLabel>
#include <QToolButton>
#include <filesystem>

#include "app/picture_box.h"
#include "imageio/picture_files.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"
#include "windows/preview_window.h"

namespace pixmora::test {

TEST_F(WindowTest, ToolButtonShowsImageAInThePreviewAndClosingDeletesTheFile) {
  Start();
  const Picture picture = Varied(40, 30);
  ASSERT_TRUE(window->ShowPicture(app::Slot::ImageA, WritePicture(picture, "a.bmp")));
  window->Controls().Image5[0]->click();

  const std::string file = window->Session().folders.temp + "passo$$$.bmp";
  ASSERT_TRUE(std::filesystem::exists(file));
  ExpectSamePixels(LoadPictureFile(file), picture);
  auto* preview = window->findChild<windows::Form2*>("Form2");
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->isVisible());
  EXPECT_EQ(preview->Picture()->pixmap().width(), 40);

  preview->resize(300, 120);
  EXPECT_EQ(preview->Picture()->geometry(), QRect(0, 0, 300, 120)) << "it fills the inner area";

  preview->close();
  EXPECT_FALSE(std::filesystem::exists(file));
  window->Controls().Image5[3]->click();
  EXPECT_TRUE(std::filesystem::exists(file)) << "a further click writes it again";
}

TEST_F(WindowTest, PreviewOfTheResultBeforeAnyCommandSaysThereIsNone) {
  Start();
  window->Controls().Image5[2]->click();
  EXPECT_FALSE(std::filesystem::exists(window->Session().folders.temp + "passo$$$.bmp"));
  EXPECT_EQ(window->findChild<windows::Form2*>("Form2"), nullptr);
  EXPECT_TRUE(Notice().contains("no picture")) << Notice().toStdString();
}

}  // namespace pixmora::test
