#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/load_planes.h"
#include "session/fit_image_b.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

// Image B is resampled to image A's size through "pgraf.bmp" and mixed at
// that size.
TEST(FitImageB, MixingBringsImageBToImageAsSizeThroughTheWorkingFile) {
  test::Session s(test::Varied(24, 18));
  s.ws.Pic2.SetPicture(test::Varied(50, 9));
  s.ws.values.strength = 10;
  test::RunByKey(s.ws, "mix-image-b");
  EXPECT_TRUE(std::filesystem::exists(s.ws.folders.work + "pgraf.bmp"));
  EXPECT_EQ(s.ws.Pic2.Width(), 24);
  EXPECT_EQ(s.ws.Pic2.GetPicture(), s.ws.Pic2.Image()) << "the picture is its own image";
  test::ExpectSamePixels(s.ws.Pic4.Image(), s.ws.Pic2.Image());
}

// A bare workspace has no folders: image B is resampled in memory, to the
// very pixels the working file gives, and nothing lands in the current folder
// (nor does the result, which has no data folder to go to either).
TEST(FitImageB, WithoutFoldersImageBIsResampledInMemoryAndNoFileIsWritten) {
  const Picture a = test::Varied(24, 18), b = test::Varied(50, 9);
  test::Session throughFile(a);
  throughFile.ws.Pic2.SetPicture(b);
  FitImageB(throughFile.ws);

  const test::InFreshCurrentFolder here;
  Workspace bare;
  bare.Pic1.SetPicture(a);
  SizePlanes(bare.m, bare.Pic1);
  bare.Pic2.SetPicture(b);
  bare.values.strength = 10;
  std::vector<std::string> notes;
  bare.report = [&notes](const std::string& note) { notes.push_back(note); };
  test::RunByKey(bare, "mix-image-b");
  EXPECT_TRUE(here.Empty());
  test::ExpectSamePixels(bare.Pic2.Image(), throughFile.ws.Pic2.Image());
  test::ExpectSamePixels(bare.Pic4.Image(), bare.Pic2.Image());
  EXPECT_EQ(notes, std::vector<std::string>{"cannot write ps.bmp: there is no data folder"});
}

TEST(FitImageB, AMissingWorkingFolderLeavesImageBAsItWas) {
  test::Session s(test::Flat(10, 8, PackRGB(1, 2, 3)));
  const Picture b = test::Flat(4, 3, PackRGB(90, 80, 70));
  s.ws.Pic2.SetPicture(b);
  s.ws.folders.work = s.root + "no such folder/";
  s.ws.values.strength = 10;
  test::RunByKey(s.ws, "mix-image-b");
  EXPECT_EQ(s.ws.Pic2.GetPicture(), b);
  EXPECT_EQ(s.Result(3, 2), PackRGB(90, 80, 70)) << "image B's own area is mixed";
  EXPECT_EQ(s.Result(4, 2), PackRGB(1, 2, 3));
  EXPECT_EQ(s.Result(9, 7), PackRGB(1, 2, 3));
}

TEST(FitImageB, AnUnreadableResultLeavesImageBAsItWas) {
  test::Session s(test::Flat(10, 8, PackRGB(1, 2, 3)));
  const Picture b = test::Flat(4, 3, PackRGB(90, 80, 70));
  s.ws.Pic2.SetPicture(b);
  s.ws.platformLoader = [](const std::string&) { return Picture(); };
  FitImageB(s.ws);
  EXPECT_EQ(s.ws.Pic2.GetPicture(), b);
}

TEST(FitImageB, RunsOnlyWhenTheSizesDifferAndOnlyForMixing) {
  test::Session s(test::Flat(6, 5, PackRGB(1, 2, 3)));
  const Picture same = test::Flat(6, 5, PackRGB(9, 9, 9));
  s.ws.Pic2.SetPicture(same);
  test::RunByKey(s.ws, "mix-image-b");
  EXPECT_EQ(s.ws.Pic2.GetPicture(), same);
  EXPECT_FALSE(std::filesystem::exists(s.ws.folders.work + "pgraf.bmp"));
  const Picture other = test::Flat(3, 2, PackRGB(9, 9, 9));
  s.ws.Pic2.SetPicture(other);
  test::RunByKey(s.ws, "slide-image");
  EXPECT_EQ(s.ws.Pic2.GetPicture(), other) << "Slide Image stretches image B by painting";
}

}  // namespace pixmora
