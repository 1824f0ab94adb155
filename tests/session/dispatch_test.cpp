#include <gtest/gtest.h>

#include <filesystem>

#include "imageio/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

TEST(Dispatch, EveryCommandStartsAgainFromImageA) {
  test::Session s(test::Varied(9, 7));
  mnuCol_Click(s.ws, 21);
  const Picture first = s.ws.Pic4.Image();
  mnuCol_Click(s.ws, 21);
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 7; ++y) ASSERT_EQ(s.Result(x, y), first->At(x, y));
}

TEST(Dispatch, PublishWritesTheResultFileAndSnapshots) {
  test::Session s(test::Flat(6, 4, PackRGB(0, 128, 255)));
  mnuCol_Click(s.ws, 19);  // Image negative
  const std::string ps = s.ws.folders.data + "ps.bmp";
  ASSERT_TRUE(std::filesystem::exists(ps));
  const Picture saved = LoadPictureFile(ps);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->At(5, 3), PackRGB(255, 127, 0));
  EXPECT_EQ(s.ws.imma.Point(0, 0), PackRGB(255, 127, 0));
  EXPECT_EQ(s.Result(0, 0), PackRGB(255, 127, 0));
  EXPECT_NE(s.ws.Image1.Point(128, 128), 0xFFFFFFu) << "the preview shows the result";
}

TEST(Dispatch, TheShownResultIsWhatTheResultFileReadsBack) {
  for (int w : {36, 37}) {
    test::Session s(test::Varied(w, 13));
    mnuFil_Click(s.ws, 5);  // Fog
    const Picture saved = LoadPictureFile(s.ws.folders.data + "ps.bmp");
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->Width(), w);
    for (int x = 0; x < w; ++x)
      for (int y = 0; y < 13; ++y) ASSERT_EQ(s.Result(x, y), saved->At(x, y)) << x << ", " << y;
  }
}

TEST(Dispatch, CirclesPublishesABlankResultOfImageAsSize) {
  test::Session s(test::Varied(10, 8));
  mnuEff_Click(s.ws, 9);
  EXPECT_EQ(s.ws.Pic4.Width(), 10);
  EXPECT_EQ(s.ws.Pic4.Height(), 8);
  EXPECT_EQ(s.Result(3, 3), kDefaultBackColour);
}

TEST(Dispatch, ControlValuesAreReadWhenTheCommandRuns) {
  test::Session s(test::Flat(2, 2, PackRGB(10, 20, 30)));
  s.ws.values.colour1[0] = 255;
  mnuCol_Click(s.ws, 2);  // Full Colors
  EXPECT_EQ(s.Result(0, 0), PackRGB(255, 20, 30));
  s.ws.values.colour1[0] = 0;
  s.ws.values.colour1[2] = 100;
  mnuCol_Click(s.ws, 2);
  EXPECT_EQ(s.Result(0, 0), PackRGB(10, 20, 130));
}

TEST(Dispatch, SeparatorsAndIndicesPastTheEndPublishImageA) {
  test::Session s(test::Flat(3, 3, PackRGB(1, 2, 3)));
  mnuCol_Click(s.ws, 1);
  EXPECT_EQ(s.Result(1, 1), PackRGB(1, 2, 3));
  mnuCol_Click(s.ws, 40);
  EXPECT_EQ(s.Result(1, 1), PackRGB(1, 2, 3));
}

TEST(Dispatch, OnePixelPicture) {
  test::Session s(test::Flat(1, 1, PackRGB(100, 150, 200)));
  mnuCol_Click(s.ws, 5);  // Brightening Image
  EXPECT_EQ(s.Result(0, 0), PackRGB(175, 225, 255));
}

TEST(Dispatch, AnUnwritableDataFolderKeepsTheResultAndSaysSo) {
  test::Session s(test::Flat(4, 4, PackRGB(0, 0, 0)));
  s.ws.folders.data = s.root + "missing/";
  std::string said;
  s.ws.report = [&said](const std::string& m) { said = m; };
  mnuCol_Click(s.ws, 19);
  EXPECT_EQ(s.Result(1, 1), PackRGB(255, 255, 255));
  EXPECT_NE(said.find("ps.bmp"), std::string::npos);
}

}  // namespace pixmora
