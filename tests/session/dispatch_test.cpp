#include <gtest/gtest.h>

#include "imageio/picture_files.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

// The result is shown, kept for saving and written as "ps.bmp", all with the
// same pixels (widths with and without row padding).
TEST(Dispatch, PublishWritesTheResultFileAndSnapshots) {
  for (int w : {36, 37}) {
    test::Session s(test::Varied(w, 13));
    test::RunByKey(s.ws, "fog");
    test::ExpectSamePixels(LoadPictureFile(s.ws.folders.data + "ps.bmp"), s.ws.Pic4.Image());
    test::ExpectSamePixels(s.ws.imma.Image(), s.ws.Pic4.Image());
    EXPECT_NE(s.ws.Image1.Point(128, 128), 0xFFFFFFu) << "the preview shows the result";
  }
}

TEST(Dispatch, SeparatorsAndIndicesPastTheEndPublishImageA) {
  test::Session s(test::Flat(3, 3, PackRGB(1, 2, 3)));
  RunMenuCommand(s.ws, Menu::Color, 1);
  EXPECT_EQ(s.Result(1, 1), PackRGB(1, 2, 3));
  RunMenuCommand(s.ws, Menu::Color, 40);
  EXPECT_EQ(s.Result(1, 1), PackRGB(1, 2, 3));
}

TEST(Dispatch, AnUnwritableDataFolderKeepsTheResultAndSaysSo) {
  test::Session s(test::Flat(4, 4, PackRGB(0, 0, 0)));
  s.ws.folders.data = s.root + "missing/";
  std::string said;
  s.ws.report = [&said](const std::string& m) { said = m; };
  test::RunByKey(s.ws, "image-negative");
  EXPECT_EQ(s.Result(1, 1), PackRGB(255, 255, 255));
  EXPECT_NE(said.find("ps.bmp"), std::string::npos);
}

}  // namespace pixmora
