#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "imageio/mfreeimage.h"
#include "imageio/write_picture.h"
#include "tests/support/failure_of.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace fs = std::filesystem;

// A save keeps its name when the extension is one of the format's, letter
// case counting; otherwise the format's own extension is appended.
TEST(SaveNames, TheExtensionRuleIsCaseSensitive) {
  EXPECT_EQ(NameWithFormatExtension("noext", PictureFormat::Jpeg), "noext.jpg");
  EXPECT_EQ(NameWithFormatExtension("upper.JPG", PictureFormat::Jpeg), "upper.JPG.jpg");
  EXPECT_EQ(NameWithFormatExtension("lower.jpg", PictureFormat::Jpeg), "lower.jpg");
  EXPECT_EQ(NameWithFormatExtension("tex.png", PictureFormat::Bmp), "tex.png.bmp");
  EXPECT_EQ(NameWithFormatExtension("scan", PictureFormat::Tiff), "scan.tif");
  EXPECT_TRUE(ExtensionMatchesFormat(FIF_JPEG, "a.JPG", false));
  EXPECT_TRUE(ExtensionMatchesFormat(FIF_JPEG, "a.peg", true)) << "a tail of a listed extension";
  EXPECT_FALSE(ExtensionMatchesFormat(FIF_JPEG, "nodot", true));
}

// A folder that does not exist, and a folder where the file should go (the
// rename fails after a complete write): each says why in the system's words,
// and no temporary file is left behind.
TEST(SaveBitmap, AnUnwritableTargetSaysWhyAndLeavesNoTemporaryFile) {
  const std::string dir = test::MakeScratchFolder();
  fs::create_directory(dir + "sub");
  const Bitmap bitmap = test::BitmapOf(test::Varied(20, 10));
  EXPECT_EQ(test::FailureOf(SaveBitmap(FIF_BMP, bitmap.get(), dir + "missing/keep.bmp", 0)).Message(),
            "cannot write " + dir + "missing/keep.bmp: No such file or directory");
  EXPECT_EQ(test::FailureOf(SaveBitmap(FIF_BMP, bitmap.get(), dir + "sub", 0)).code, EISDIR);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  EXPECT_TRUE(fs::is_empty(dir + "sub"));
  test::RemoveFolder(dir);
}

// Reading a TIFF back, as "Save file" does before its second write, makes
// FreeImage ask the TIFF library about tags it has no name for; none of that
// reaches the terminal.
TEST(SaveBitmap, ATiffWrittenReadAndWrittenAgainSaysNothingOnTheTerminal) {
  test::ScratchFolder s;
  const std::string path = s.dir + "a.tif";
  testing::internal::CaptureStderr();
  test::WriteTestPicture(test::Varied(20, 10), path, PictureFormat::Tiff);
  const Bitmap back(LoadBitmap(FIF_TIFF, path, 0));
  ASSERT_TRUE(back);
  EXPECT_TRUE(SaveBitmap(FIF_TIFF, back.get(), path, 0));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(SaveBitmap, ResolutionInDotsPerMetre) {
  const Bitmap b(FreeImage_Allocate(2, 2, 24, 0, 0, 0));
  const std::pair<int, unsigned> cases[] = {{72, 2835}, {96, 3780}, {300, 11811}, {0, 0}, {1, 39}};
  for (auto [dpi, dpm] : cases) {
    SetImageDpiX(b.get(), dpi);
    SetImageDpiY(b.get(), dpi);
    EXPECT_EQ(FreeImage_GetDotsPerMeterX(b.get()), dpm);
    EXPECT_EQ(FreeImage_GetDotsPerMeterY(b.get()), dpm);
  }
}

}  // namespace pixmora
