// Recipes are files users keep: one written by the first version (commands as
// MENU:INDEX) replays to the same bytes as its twin spelled with keys.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/batch_tool.h"
#include "tests/support/picture_files.h"

namespace pixmora {

TEST(RecipeVersions, AFirstVersionRecipeAndItsKeyTwinWriteTheSameBytes) {
  const std::string dir = test::MakeScratchFolder();
  const std::string input = test::WriteTestPicture(test::Varied(37, 29), dir + "in.png", PictureFormat::Png);
  std::string bytes[2];
  const char* recipes[] = {"first-version.recipe", "keys.recipe"};
  for (int i = 0; i < 2; ++i) {
    const std::string recipe = std::string(PIXMORA_TEST_RECIPES) + recipes[i];
    ASSERT_EQ(test::RunCli(dir, "apply --recipe '" + recipe + "' '" + input + "' '" + dir + "o.png'"), 0)
        << recipes[i];
    bytes[i] = test::FileBytes(dir + "o.png");
  }
  EXPECT_FALSE(bytes[0].empty());
  EXPECT_EQ(bytes[0], bytes[1]);
  test::RemoveFolder(dir);
}

// A recipe says how its output is written; the options say it over it.
TEST(RecipeVersions, ARecipesSaveWordsWriteTheOutputUnlessOptionsSayOtherwise) {
  const std::string dir = test::MakeScratchFolder();
  const std::string input = test::WriteTestPicture(test::Varied(64, 48), dir + "in.png", PictureFormat::Png);
  std::ofstream(dir + "r.recipe") << "pixmora-recipe 2\nfog\nquality=30 compression=best\n";
  const auto written = [&](const std::string& output, const std::string& how) {
    EXPECT_EQ(test::RunCli(dir, "apply '" + input + "' '" + dir + output + "' " + how), 0) << how;
    return test::FileBytes(dir + output);
  };
  const std::string recipe = "--recipe '" + dir + "r.recipe'";
  EXPECT_EQ(written("r.jpg", recipe), written("o.jpg", "fog quality=30 --editor-save"));
  EXPECT_NE(written("r.jpg", recipe), written("o.jpg", "fog --editor-save"));
  EXPECT_EQ(written("r.png", recipe + " --compression fast"), written("o.png", "fog --editor-save --compression fast"));
  EXPECT_NE(written("r.png", recipe), written("o.png", "fog --editor-save --compression fast"));
  test::RemoveFolder(dir);
}

}  // namespace pixmora
