// The result's transparency is image A's, whatever made its colours; the
// slider turns it with the picture; it survives the history's files and the
// saved file's second pass.
#include <gtest/gtest.h>

#include "core/flatten.h"
#include "imageio/picture_files.h"
#include "session/fit_image_b.h"
#include "session/history/history.h"
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
