// Recipes are files users keep: one written by the first version (commands as
// MENU:INDEX) replays to the same bytes as its twin spelled with keys.
#include <gtest/gtest.h>

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

}  // namespace pixmora
