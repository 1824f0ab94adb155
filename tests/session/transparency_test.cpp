// The result's transparency is image A's, whatever made its colours; the
// slider turns it with the picture, the Image menu moves it as it moves the
// colours, a selection keeps image A's outside; it survives the history's
// files and the saved file's second pass.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/flatten.h"
#include "imageio/picture_files.h"
#include "ops/image/selection.h"
#include "session/fit_image_b.h"
#include "session/history/history.h"
#include "session/recipe/recipe_run.h"
#include "session/recipe/recipe_words.h"
#include "session/save_file.h"
#include "session/slider_command.h"
#include "tests/support/run_command.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// A session whose image A has transparency, with every other picture there.
struct TranslucentSession : test::Session {
  TranslucentSession() : test::Session(test::Translucent(31, 23)) {
    ws.Pic2.SetPicture(test::Translucent(12, 40));  // to be fitted: image B's alpha plays no part
    ws.PatPic.SetPicture(test::Varied(9, 7));
    ws.Pic3.SetPicture(test::Varied(20, 20));
  }
};

// Reads every picture a recipe names as this one.
struct OnePicture : RecipeHost {
  explicit OnePicture(Picture p) : picture(std::move(p)) {}
  Result<Picture> Read(Slot, const std::string&) override { return picture; }
  Picture picture;
};

}  // namespace

TEST(TransparentResults, EveryCommandGivesImageAsAlphaButCirclesBlankResult) {
  for (const CatalogueEntry& e : Catalogue()) {
    if (e.IsSeparator()) continue;
    TranslucentSession s;
    ASSERT_TRUE(RunMenuCommand(s.ws, e.menu, e.index));
    const Alpha expected = e.run == BlankResult ? nullptr : s.ws.Pic1.Image()->GetAlpha();
    EXPECT_EQ(s.ws.imma.Image()->GetAlpha(), expected) << e.key;
  }
}

// Each pixel of the turned result has the alpha of the source point its
// colour came from; no source point reaches the corners, transparent.
TEST(TransparentResults, TheSliderTurnsTheAlphaWithTheColours) {
  const Picture a = WithAlpha(test::MakeTestPicture(31, 23, [](int x, int y) { return PackRGB(x, y, 0); }),
                              test::Translucent(31, 23)->GetAlpha());
  test::Session s(a);
  for (int16_t value : {1, 2, 3, -5}) {
    ASSERT_TRUE(Slider1_Change(s.ws, value));
    const Picture turned = s.ws.imma.Image();
    ASSERT_TRUE(turned->GetAlpha());
    int reached = 0;
    for (int x = 0; x < 31; ++x)
      for (int y = 0; y < 23; ++y) {
        const ColorRef c = turned->At(x, y);
        const bool fromSource = (c >> 16) == 0;  // the cleared back colour has blue
        reached += fromSource;
        ASSERT_EQ(turned->AlphaAt(x, y), fromSource ? a->AlphaAt(c & 0xFF, c >> 8) : 0) << x << ", " << y;
      }
    EXPECT_GT(reached, 300) << value;
  }
}

// Crop, resize, the turns and the flips move the alpha as they move the
// colours: replayed from a recipe (each step on the one before's result), a
// picture whose red is its alpha keeps the two equal.
TEST(TransparentResults, TheImageCommandsMoveTheAlphaAsTheColours) {
  auto alpha = std::make_shared<AlphaPlane>(60, 40);
  for (int x = 0; x < 60; ++x)
    for (int y = 0; y < 40; ++y) alpha->Set(x, y, static_cast<uint8_t>(x * 37 + y * 91));
  const Picture a = WithAlpha(test::MakeTestPicture(60, 40, [&](int x, int y) { return PackRGB(alpha->At(x, y), x, y); }),
                              alpha);
  RecipeBuilder words;
  for (const char* word : {"image-a=a.png", "crop=2,3,50,30", "filter=catmull-rom", "resize=150%", "turn=left",
                           "flip=horizontal", "turn=right", "flip=vertical"})
    ASSERT_TRUE(words.Add(word)) << word;
  Workspace ws;
  ws.keepResultFile = false;
  OnePicture host(a);
  ASSERT_TRUE(RunRecipe(ws, words.Get(), host));
  const Picture made = ws.imma.Image();
  ASSERT_EQ(made->Width(), 75);
  ASSERT_EQ(made->Height(), 45);
  ASSERT_TRUE(made->GetAlpha());
  for (int x = 0; x < 75; ++x)
    for (int y = 0; y < 45; ++y) ASSERT_EQ(made->AlphaAt(x, y), SplitColour(made->At(x, y)).r) << x << ", " << y;
}

// With a selection, a command's result has image A's alpha everywhere; the
// slider's turned alpha and Circles' opaque blank reach as far as their
// colours do: image A's outside, theirs inside, between the two across the
// feather.
TEST(TransparentResults, ASelectionKeepsImageAsAlphaOutsideIt) {
  TranslucentSession s;
  const Selection selection{SelectionShape::Ellipse, {4, 3, 22, 17}, 4};
  s.ws.selection = selection;
  test::RunByKey(s.ws, "grayscale");
  EXPECT_EQ(s.ws.imma.Image()->GetAlpha(), s.ws.Pic1.Image()->GetAlpha());
  const auto blank = std::find_if(Catalogue().begin(), Catalogue().end(),
                                  [](const CatalogueEntry& e) { return e.run == BlankResult; });
  ASSERT_NE(blank, Catalogue().end());
  s.ws.selection.reset();
  ASSERT_TRUE(Slider1_Change(s.ws, 1));
  const Picture turned = s.ws.imma.Image(), opaqueBlank = test::Varied(31, 23);
  for (const Picture& whole : {turned, opaqueBlank}) {
    s.ws.selection = selection;
    if (whole == turned) ASSERT_TRUE(Slider1_Change(s.ws, 1));
    else ASSERT_TRUE(RunMenuCommand(s.ws, blank->menu, blank->index));
    const Picture limited = s.ws.imma.Image();
    for (int x = 0; x < 31; ++x)
      for (int y = 0; y < 23; ++y) {
        const float w = SelectionWeight(selection, x, y);
        const int own = whole->AlphaAt(x, y), a = s.ws.Pic1.Image()->AlphaAt(x, y), got = limited->AlphaAt(x, y);
        if (w == 0.0f) ASSERT_EQ(got, a) << x << ", " << y;
        else if (w == 1.0f) ASSERT_EQ(got, own) << x << ", " << y;
        else ASSERT_TRUE(got >= std::min(a, own) && got <= std::max(a, own)) << x << ", " << y;
      }
  }
}

// Moved to a file and read back, a picture keeps its alpha.
TEST(TransparentResults, TheHistorysFilesKeepIt) {
  const std::string folder = test::MakeScratchFolder();
  const Picture translucent = test::Translucent(50, 50);
  History history(folder, {0, 1 << 20});
  SessionState state;
  state[static_cast<size_t>(Slot::Result)] = {translucent, 50, 50};
  history.Start(state, {});
  RecipeStep step;
  state[static_cast<size_t>(Slot::Result)] = {test::Varied(50, 50), 50, 50};
  history.Record("next", "", {step}, state);
  StoredPicture::FinishMoves();
  const Picture back = history.GoTo(0).value()[static_cast<size_t>(Slot::Result)].picture;
  EXPECT_NE(back.get(), translucent.get()) << "read back from its file";
  test::ExpectSamePixels(back, translucent);
  test::ExpectSameAlpha(back, translucent);
  test::RemoveFolder(folder);
}

TEST(TransparentResults, PsBmpSaveFilesSecondPassAndFittingImageBKeepIt) {
  TranslucentSession s;
  test::RunByKey(s.ws, "grayscale");
  test::ExpectSameAlpha(ReadChosenPicture(s.ws.folders.data + "ps.bmp").value(), s.ws.Pic1.Image());
  for (PictureFormat format : {PictureFormat::Png, PictureFormat::Tiff}) {
    const std::string path = s.root + "saved" + std::to_string(static_cast<int>(format));
    ASSERT_TRUE(SaveResultFile(s.ws.Pic1.Image(), path, format, true));
    test::ExpectSameAlpha(ReadChosenPicture(path).value(), s.ws.Pic1.Image());
  }
  const Alpha bAlpha = s.ws.Pic2.Image()->GetAlpha();
  FitImageB(s.ws);
  ASSERT_EQ(s.ws.Pic2.Width(), 31);
  EXPECT_TRUE(s.ws.Pic2.Image()->GetAlpha()) << "image B still shows its transparency";
}

// out = RoundHalfEven((c * a + k * (255 - a)) / 255), k the colour's channel.
TEST(TransparentResults, FlatteningFollowsItsFormula) {
  auto alpha = std::make_shared<AlphaPlane>(4, 1);
  const uint8_t alphas[] = {0, 128, 255, 1};
  for (int x = 0; x < 4; ++x) alpha->Set(x, 0, alphas[x]);
  const Picture p = WithAlpha(test::Flat(4, 1, PackRGB(200, 0, 255)), alpha);
  const Picture flat = Flattened(p, PackRGB(10, 255, 0));
  EXPECT_FALSE(flat->GetAlpha());
  // 200 x 128 + 10 x 127 = 26870, / 255 = 105.37; 255 x 128 = 32640, / 255 = 128;
  // 0 x 128 + 255 x 127 = 32385, / 255 = 127; 200 + 10 x 254 = 2740, / 255 = 10.75.
  const ColorRef expected[] = {PackRGB(10, 255, 0), PackRGB(105, 127, 128), PackRGB(200, 0, 255),
                               PackRGB(11, 254, 1)};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(flat->At(x, 0), expected[x]) << x;
  const Picture opaque = test::Varied(3, 3);
  EXPECT_EQ(Flattened(opaque, 0), opaque) << "an opaque picture is its own flattening";
}

}  // namespace pixmora
