#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "imageio/picture_files.h"
#include "tests/ops/filters/filter_test_support.h"

namespace pixmora {

namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the batch tool with its data folder under `root`; answers the exit code.
int Cli(const std::string& root, const std::string& arguments, std::string* err) {
  return test::RunCommand("XDG_DATA_HOME='" + root + "' '" PIXMORA_CLI "' " + arguments, err);
}

}  // namespace

TEST(FiltersMenu, EveryEntryRunsAndKeepsImageAsSize) {
  for (const CatalogueEntry& e : MenuEntries(Menu::Filters)) {
    if (e.IsSeparator()) continue;
    ASSERT_NE(e.run, nullptr) << e.caption;
    test::Session s(test::Noisy(7, 5));
    mnuFil_Click(s.ws, e.index);
    EXPECT_EQ(s.ws.Pic4.Width(), 7) << e.caption;
    EXPECT_EQ(s.ws.Pic4.Height(), 5) << e.caption;
  }
}

TEST(FiltersMenu, PointFiltersTreatOnePixelWidePicturesPixelByPixel) {
  for (int index : {12, 13, 14, 18, 19, 21, 22, 23})
    for (const Picture& p : {test::Noisy(1, 9), test::Noisy(9, 1)}) {
      test::Session s(p);
      mnuFil_Click(s.ws, static_cast<int16_t>(index));
      for (int x = 0; x < p->Width(); ++x)
        for (int y = 0; y < p->Height(); ++y)
          EXPECT_EQ(s.Result(x, y), test::FilterPixel(index, p->At(x, y))) << index;
    }
}

TEST(FiltersMenu, TheBatchToolGivesTheSameDiffusedPictureOnEveryRun) {
  const std::string root = test::MakeScratchFolder();
  std::filesystem::create_directories(root + "VARDELO24");
  ASSERT_TRUE(SavePictureAsBmp(test::Noisy(40, 30), root + "a.bmp", nullptr));
  std::string err;
  ASSERT_EQ(Cli(root, "apply '" + root + "a.bmp' '" + root + "one.bmp' filters:8", &err), 0) << err;
  ASSERT_EQ(Cli(root, "apply '" + root + "a.bmp' '" + root + "two.bmp' filters:8", &err), 0) << err;
  ASSERT_EQ(Cli(root, "apply '" + root + "a.bmp' '" + root + "three.bmp' 'diffuse images'", &err),
            0)
      << err;
  const std::string one = FileBytes(root + "one.bmp");
  EXPECT_FALSE(one.empty());
  EXPECT_EQ(one, FileBytes(root + "two.bmp"));
  EXPECT_EQ(one, FileBytes(root + "three.bmp"));
  const Picture input = LoadPictureFile(root + "a.bmp"), output = LoadPictureFile(root + "one.bmp");
  ASSERT_TRUE(input && output);
  int changed = 0;
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 30; ++y) changed += input->At(x, y) != output->At(x, y);
  EXPECT_GT(changed, 1000);
  test::RemoveFolder(root);
}

}  // namespace pixmora
