// The selection's and the Image menu's words: read, written back, replayed;
// percentages taken of each picture; what does not fit a picture fails it.
#include <gtest/gtest.h>

#include "session/recipe/recipe_file.h"
#include "session/recipe/recipe_run.h"
#include "tests/support/failure_of.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

class OnePicture : public RecipeHost {
 public:
  explicit OnePicture(Picture p) : picture(std::move(p)) {}
  Result<Picture> Read(Slot, const std::string&) override { return picture; }
  Picture picture;
};

Result<Picture> Replay(const Recipe& recipe, const Picture& imageA) {
  Workspace ws;
  ws.keepResultFile = false;
  OnePicture host(imageA);
  if (Status ran = RunRecipe(ws, recipe, host); !ran) return std::unexpected(ran.error());
  return ws.imma.Image();
}

Recipe Words(const std::vector<std::string>& words) {
  RecipeBuilder builder;
  for (const std::string& w : words) EXPECT_TRUE(builder.Add(w)) << w;
  return builder.Get();
}

const std::vector<std::string> kWords = {
    "image-a=/a.png", "feather=3", "select=ellipse:10%,5,50%,20", "fog", "select=invert",
    "grayscale", "select=2,3,30,20", "crop=selection", "filter=lanczos3", "resize=150%",
    "select=none", "turn=left", "flip=vertical", "resize=20,0", "crop=1,1,10,5"};

TEST(ImageWords, ARecipeWritesItsWordsBackAndReplaysAlike) {
  const Recipe recipe = Words(kWords);
  const std::string text = RecipeText(recipe);
  for (const char* said : {"feather=3 select=ellipse:10%,5,50%,20 fog", "select=invert grayscale",
                           "select=2,3,30,20 crop=selection", "filter=lanczos3 resize=150%",
                           "select=none turn=left", "resize=20,0", "crop=1,1,10,5"})
    EXPECT_NE(text.find(said), std::string::npos) << said << " in\n" << text;
  RecipeBuilder again;
  ASSERT_TRUE(ReadRecipeText(text, "/", again));
  const Picture a = test::Varied(60, 40);
  const Picture replayed = Replay(again.Get(), a).value();
  test::ExpectSamePixels(replayed, Replay(recipe, a).value());
  EXPECT_EQ(replayed->Width(), 10);
  EXPECT_EQ(replayed->Height(), 5);
}

// select=10%,10%,50%,50% takes each picture's own sides; a selection or a
// crop that does not fit fails the picture, and nothing runs on the whole.
TEST(ImageWords, PercentagesFollowEachPictureAndWhatDoesNotFitFails) {
  const Recipe recipe = Words({"image-a=/a.png", "select=10%,10%,50%,50%", "image-negative"});
  const Picture small = test::Varied(20, 10), result = Replay(recipe, small).value();
  EXPECT_EQ(result->At(2, 1), small->At(2, 1) ^ 0xFFFFFFu);
  EXPECT_EQ(result->At(12, 1), small->At(12, 1)) << "x 2 .. 11, y 1 .. 5";
  EXPECT_EQ(result->At(2, 6), small->At(2, 6));
  const Failure tooSmall =
      test::FailureOf(Replay(Words({"image-a=/a.png", "select=0,0,30,5", "fog"}), small));
  EXPECT_EQ(tooSmall.Message(), "cannot select 0,0,30,5 in image A: it reaches beyond its 20 x 10 pixels");
  EXPECT_NE(tooSmall.kind, Failure::Kind::Usage);
  EXPECT_NE(test::FailureOf(Replay(Words({"image-a=/a.png", "crop=15,0,10,10"}), small)).kind,
            Failure::Kind::Usage);
}

TEST(ImageWords, WordsThatCannotBeReadSayWhy) {
  RecipeBuilder builder;
  for (const char* word : {"select=1,2,3", "select=invert", "select=0,0,0,5", "select=0,0,101%,5",
                           "feather=65", "filter=nearest", "crop=selection", "resize=0,0", "resize=0%",
                           "flip=diagonal", "turn=up", "crop=a,b,c,d"})
    EXPECT_EQ(test::FailureOf(builder.Add(word)).kind, Failure::Kind::Usage) << word;
  EXPECT_EQ(test::FailureOf(builder.Add("crop=selection")).Message(),
            "crop=selection needs a selection before it (select=X,Y,W,H)");
}

}  // namespace
}  // namespace pixmora
