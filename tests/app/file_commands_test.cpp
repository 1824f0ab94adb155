
#include <QAction>
#include <QToolButton>
#include <filesystem>

#include "app/file_dialog.h"
#include "app/picture_box.h"
#include "imageio/picture_files.h"
#include "tests/app/window_fixture.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

using FileCommandsTest = WindowTest;

// File > Open Sample opens the photograph shipped beside the data as image A;
// without one it says so.
TEST_F(FileCommandsTest, OpenSampleOpensTheShippedPhotograph) {
  Start();
  Action("mnuSample")->trigger();
  EXPECT_EQ(Notice(), "The sample photograph is not installed.");
  window->Session().folders.shipped = std::string(PIXMORA_SHARE) + "/VARDELO24/";
  Action("mnuSample")->trigger();
  Settle();
  EXPECT_EQ(window->Session().Pic1.Width(), 3000);
  EXPECT_EQ(window->Session().Pic1.Height(), 2000);
  EXPECT_EQ(Action("mnuUndo")->text().remove('&'), "Undo Open image A valley.jpg");
}

TEST_F(FileCommandsTest, OpeningImageAAsksItsDialogAndShowsThePicture) {
  StartScripted();
  OpenImageA(WritePicture(Varied(64, 48), "a.bmp"));
  ASSERT_EQ(dialog->requests.size(), 1u);
  EXPECT_EQ(dialog->requests[0].title, window->Caption("mnuimma"));
  const QString filter = dialog->requests[0].filter;
  EXPECT_TRUE(filter.startsWith("All pictures (*.bmp *.jpg *.jpeg *.png *.tif *.tiff *.gif *.tga *.webp "))
      << filter.toStdString();
  EXPECT_TRUE(filter.endsWith("|Files BMP(*.bmp)|*.bmp|Files JPG(*.jpg)|*.jpg|")) << "the design's after it";
  EXPECT_FALSE(dialog->requests[0].save);
  // (The planes are sized off the window's thread, before the next command.)
  EXPECT_EQ(window->Session().Pic1.Width(), 64);
  EXPECT_EQ(window->Session().Pic1.Height(), 48);
}

TEST_F(FileCommandsTest, ClicksOnThePreviewsOpenTheirPictures) {
  StartScripted();
  Answer(WritePicture(Varied(30, 20), "b.bmp"));
  emit window->Controls().Image3->clicked();
  Settle();
  EXPECT_EQ(window->Session().Pic2.Width(), 30);
  Answer(WritePicture(Varied(12, 10), "p.bmp"));
  emit window->Controls().picture1->clicked();
  Settle();
  EXPECT_EQ(window->Session().PatPic.Width(), 12);
  std::filesystem::create_directories(data + "slide");
  WritePicture(Varied(5, 5), "VARDELO24/slide/s.bmp");
  Answer(WritePicture(Varied(40, 20), "shape.bmp"));
  emit window->Controls().Picture4->clicked();
  Settle();
  EXPECT_EQ(window->Session().Pic3.Width(), 40);
  EXPECT_EQ(dialog->requests.back().initialFolder, QString::fromStdString(data + "slide/"));
  EXPECT_EQ(dialog->requests.back().title, window->Caption("mnuimmb"));
}

TEST_F(FileCommandsTest, CancelAndUnreadableFilesChangeNothing) {
  StartScripted();
  OpenImageA(WritePicture(Varied(64, 48), "a.bmp"));
  const Picture before = window->Session().Pic1.Image();
  Action("mnuimma")->trigger();  // no answer: cancelled
  Settle();
  Write("bad.bmp", "not a picture at all");
  Answer(data + "bad.bmp");
  Action("mnuimma")->trigger();
  Settle();
  EXPECT_EQ(window->Session().Pic1.Image()->At(3, 3), before->At(3, 3));
  EXPECT_EQ(window->Session().m.planes.Width(), 64);
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  Answer("");
  Action("mnusalva")->trigger();
  Settle();
  EXPECT_EQ(dialog->requests.size(), 4u);
}

TEST_F(FileCommandsTest, SaveFileWritesEachFormatAt24Bits) {
  StartScripted();
  OpenImageA(WritePicture(Varied(64, 48), "a.bmp"));
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  const Picture result = window->Session().imma.Image();
  const char* names[] = {"out.bmp", "out.jpg", "out.png", "out.tif"};
  for (int index = 1; index <= 4; ++index) {
    const std::string path = root + names[index - 1];
    Answer(path, index);
    Action("mnusalva")->trigger();
    Settle();
    const FileFacts facts = ReadFacts(path);
    EXPECT_EQ(facts.width, 64u) << path;
    EXPECT_EQ(facts.height, 48u) << path;
    EXPECT_EQ(facts.bpp, 24u) << path;
    if (index != 2) ExpectSamePixels(LoadPictureFile(path), result);
  }
  const app::FileDialogRequest& asked = dialog->requests.back();
  EXPECT_TRUE(asked.save);
  EXPECT_EQ(asked.filterIndex, 1);
  EXPECT_EQ(asked.defaultExtension, ".bmp");
  EXPECT_EQ(asked.filter, "Files BMP(*.bmp)|*.bmp|Files JPG(*.jpg)|*.jpg|Files PNG(*.png)|*.png|"
                          "Files TIF(*.tif)|*.tif|");
}

// A typed extension of one of the four formats chooses the format; otherwise
// the filter does and its extension is added. No name gets two.
TEST_F(FileCommandsTest, SaveTakesTheFormatFromATypedExtension) {
  StartScripted();
  OpenImageA(WritePicture(Varied(64, 48), "a.bmp"));
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  const std::pair<std::string, int> typed[] = {
      {"grey5.jpg", 1}, {"tex", 3}, {"Photo.TIFF", 1}, {"my.notes", 4}, {"UP.JPG", 1}};
  const std::pair<std::string, PictureFormat> written[] = {{"grey5.jpg", PictureFormat::Jpeg},
                                                           {"tex.png", PictureFormat::Png},
                                                           {"Photo.TIFF", PictureFormat::Tiff},
                                                           {"my.notes.tif", PictureFormat::Tiff},
                                                           {"UP.JPG", PictureFormat::Jpeg}};
  for (size_t i = 0; i < std::size(typed); ++i) {
    Answer(root + typed[i].first, typed[i].second);
    Action("mnusalva")->trigger();
    Settle();
    EXPECT_EQ(ReadFacts(root + written[i].first).format, written[i].second) << written[i].first;
  }
  EXPECT_FALSE(std::filesystem::exists(root + "grey5.jpg.bmp"));
  EXPECT_FALSE(std::filesystem::exists(root + "UP.JPG.bmp"));
}

// Handed on, the result preview turns blank and the status bar says that Save
// file still writes the last result, which it does; the blank result itself
// is not handed on again.
TEST_F(FileCommandsTest, LoadImageAAfterGrayscaleChainsTheResult) {
  StartScripted();
  window->show();
  OpenImageA(WritePicture(Varied(64, 48), "a.bmp"));
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  const Picture grey = window->Session().Pic4.Image();
  Action("mnusalvaa")->trigger();
  Settle();
  ExpectSamePixels(window->Session().Pic1.Image(), grey);
  EXPECT_EQ(window->Session().m.planes.Width(), 64);
  EXPECT_FALSE(window->Session().Pic4.GetPicture());
  EXPECT_FALSE(window->Session().Image1.GetPicture());
  EXPECT_FALSE(std::filesystem::exists(window->Session().folders.work + "$$$.bmp"));
  EXPECT_EQ(Notice(), "The result went on as image A; Save file still writes the last result.");
  app::PreviewBox* preview = window->Controls().Image1;
  EXPECT_EQ(preview->grab().toImage().pixelColor(preview->rect().center() * preview->devicePixelRatioF()),
            QColor(Qt::white));

  Answer(root + "last.bmp");
  Action("mnusalva")->trigger();
  Settle();
  ExpectSamePixels(LoadPictureFile(root + "last.bmp"), grey);
  window->Controls().Image5[6]->click();
  Settle();
  EXPECT_FALSE(window->Session().Pic2.GetPicture()) << "nothing handed on as image B";
  EXPECT_TRUE(Notice().contains("no result")) << Notice().toStdString();
}

// An installed program's folder belongs to root: handing the result on never
// writes there, only in the process's own working folder.
TEST_F(FileCommandsTest, LoadImageANeedsNoProgramFolderButAWorkingFolder) {
  StartScripted();
  OpenImageA(WritePicture(Varied(64, 48), "a.bmp"));
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  window->Session().folders.program = root + "read-only program folder/";
  const Picture grey = window->Session().Pic4.Image();
  Action("mnusalvaa")->trigger();
  Settle();
  ExpectSamePixels(window->Session().Pic1.Image(), grey);

  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  const Picture result = window->Session().Pic4.Image();
  const Picture imageA = window->Session().Pic1.Image();
  window->Session().folders.work = root + "no such folder/";
  Action("mnusalvaa")->trigger();
  Settle();
  ExpectSamePixels(window->Session().Pic4.Image(), result);
  ExpectSamePixels(window->Session().Pic1.Image(), imageA);
  const std::string expected = "cannot write " + root + "no such folder/$$$.bmp";
  EXPECT_TRUE(Notice().contains(QString::fromStdString(expected))) << Notice().toStdString();
}

TEST_F(FileCommandsTest, SavingBeforeAnyCommandSaysThereIsNoResultBeforeAskingForAName) {
  StartScripted();
  Action("mnusalva")->trigger();
  Settle();
  EXPECT_TRUE(dialog->requests.empty());
  EXPECT_TRUE(Notice().contains("no result")) << Notice().toStdString();
}

}  // namespace pixmora::test
