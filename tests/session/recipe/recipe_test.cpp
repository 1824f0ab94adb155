#include <gtest/gtest.h>

#include <map>

#include "core/load_planes.h"
#include "session/recipe/recipe_file.h"
#include "session/recipe/recipe_run.h"
#include "session/recipe/recipe_slice.h"
#include "tests/support/failure_of.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

// Pictures by file name, as a recipe's files would decode.
class MemoryHost : public RecipeHost {
 public:
  Result<Picture> Read(Slot, const std::string& file) override {
    const auto it = files.find(file);
    if (it == files.end()) return std::unexpected(CannotRead(file, "no such file here"));
    return it->second;
  }
  std::map<std::string, Picture> files = {
      {"/pictures/a.png", test::Varied(41, 29)},
      {"/pictures/b 2.png", test::MakeTestPicture(13, 37, [](int x, int y) { return PackRGB(x * 19, y * 7, 80); })},
      {"/pictures/pattern.bmp", test::Varied(9, 7)},
      {"/pictures/shape.bmp", test::MakeTestPicture(30, 30, [](int x, int) { return x < 15 ? 0u : 0xFFFFFFu; })},
  };
};

Picture Replay(const Recipe& recipe) {
  Workspace ws;
  ws.keepResultFile = false;
  MemoryHost host;
  EXPECT_TRUE(RunRecipe(ws, recipe, host));
  return ws.Pic4.Image();
}

// The recipe of words that must all be right.
Recipe Words(const std::vector<std::string>& words) {
  RecipeBuilder builder;
  for (const std::string& w : words) EXPECT_TRUE(builder.Add(w)) << w;
  return builder.Get();
}

// The window's history of the same words: there, a command works on image A
// even right after another (the words hand a result on in between).
Recipe History(const std::vector<std::string>& words) {
  Recipe recipe = Words(words);
  std::erase_if(recipe.steps, [](const RecipeStep& s) {
    return s.kind == RecipeStep::Kind::HandOn && s.text.empty();
  });
  return recipe;
}

// A session as a user might have made it: every kind of step, and steps
// whose results nothing uses.
const std::vector<std::string> kSession = {
    "image-a=/pictures/a.png", "pattern=/pictures/pattern.bmp", "Grayscale",  // not used
    "Relief", "image-b=result", "Fog", "image-a=result", "shape=/pictures/shape.bmp",
    "strength=9", "size=7", "Insert Shape", "image-a=result", "rotate:3",
    "image-a=result", "strength=4", "mix-image-b", "image-a=result", "Mix Pattern",
    "image-a=result", "image-b=/pictures/b 2.png", "color1=10,200,30", "Slide Image",
    "image-a=result", "Full Colors", "image-a=result", "color2=40,50,60", "flatten",
    "quality=90", "compression=best"};

TEST(Recipe, TheTextOfASessionReplaysToTheSameResultWithoutItsUnusedSteps) {
  const Recipe session = History(kSession);
  const std::string text = RecipeText(session);
  RecipeBuilder builder;
  ASSERT_TRUE(ReadRecipeText(text, "/pictures/", builder));
  test::ExpectSamePixels(Replay(builder.Get()), Replay(session));
  EXPECT_EQ(text.find("grayscale"), std::string::npos) << "Grayscale's result was never used:\n" << text;
  EXPECT_NE(text.find("image-b=\"/pictures/b 2.png\""), std::string::npos) << text;
  EXPECT_NE(text.find("strength=9 size=7 insert-shape"), std::string::npos) << "Insert Shape's values:\n" << text;
  EXPECT_NE(text.find("# Insert Shape"), std::string::npos) << text;
  EXPECT_NE(text.find("color2=40,50,60 flatten"), std::string::npos) << text;
  EXPECT_EQ(builder.Get().save, (SaveSettings{90, PngCompression::Best})) << text;
}

TEST(Recipe, UnusedStepsAreThoseWhoseResultNothingReads) {
  const Recipe live = LiveSteps(History({"image-a=/pictures/a.png", "image-b=/pictures/b 2.png",
                                       "Fog", "image-b=result", "Relief", "Grayscale"}));
  ASSERT_EQ(live.steps.size(), 2u) << "Grayscale works on image A alone";
  EXPECT_EQ(live.steps[0].file, "/pictures/a.png");
  EXPECT_EQ(live.steps[1].index, test::Command("grayscale").index);
}

TEST(Recipe, AnOperationRightAfterAnotherWorksOnItsResult) {
  const Recipe chained = Words({"image-a=/pictures/a.png", "Fog", "Relief"});
  const Recipe handed = Words({"image-a=/pictures/a.png", "Fog", "image-a=result", "Relief"});
  test::ExpectSamePixels(Replay(chained), Replay(handed));
}

TEST(Recipe, WordsThatCannotBeReadSayWhy) {
  RecipeBuilder builder;
  for (const char* word : {"nosuch", "color:1", "rotate:9", "strength=11", "color1=1,2",
                           "pattern=result", "shape=", "filters:99", "quality=0", "compression=most"})
    EXPECT_EQ(test::FailureOf(builder.Add(word)).kind, Failure::Kind::Usage) << word;
  EXPECT_EQ(test::FailureOf(builder.Add("color:1")).Message(),
            "'color:1' is a separator of the color menu, not a command");
  EXPECT_EQ(test::FailureOf(ReadRecipeText("Fog\n", "", builder)).Message(),
            "line 1: a recipe starts with the line \"pixmora-recipe 2\"");
  EXPECT_FALSE(ReadRecipeText("pixmora-recipe 1\nimage-b=\"open\n", "", builder));
  EXPECT_FALSE(CheckRecipe(Words({"image-a=/x.png", "slide-image"}), false)) << "no image B";
  EXPECT_TRUE(CheckRecipe(Words({"image-a=/x.png", "Fog", "image-b=result", "slide-image"}), false));
}

TEST(Recipe, RelativeNamesStartInTheRecipesFolderAndValuesNobodyReadsAreNamed) {
  RecipeBuilder builder;
  ASSERT_TRUE(builder.SetValue("size", "3", "--size"));
  ASSERT_TRUE(ReadRecipeText("pixmora-recipe 1\nimage-a=a.png  # the start\n\"Horizontal lines\"\n",
                             "/pictures/", builder));
  EXPECT_EQ(builder.Get().steps[0].file, "/pictures/a.png");
  EXPECT_EQ(UnreadValues(builder.Get(), builder.Given()),
            std::vector<std::string>{"--size is not read by Horizontal lines"});
}

TEST(Recipe, TheCommandLineNamesImageAAndQuotesWhatTheShellWouldSplit) {
  const Recipe recipe =
      Words({"image-b=/pictures/b 2.png", "image-a=/pictures/a.png", "strength=3", "mix-image-b"});
  EXPECT_EQ(RecipeCommandLine(recipe, "out.png"),
            "pixmora-cli apply /pictures/a.png out.png 'image-b=/pictures/b 2.png' strength=3 mix-image-b --editor-save");
  EXPECT_EQ(RecipeCommandLine(Words({"image-a=/a.png", "flatten", "compression=fast"}), "out.png"),
            "pixmora-cli apply /a.png out.png color2=255,255,255 flatten compression=fast --editor-save");
  EXPECT_EQ(ShellWord("it's"), "'it'\\''s'");
}

}  // namespace
}  // namespace pixmora
