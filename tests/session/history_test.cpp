#include <gtest/gtest.h>

#include <filesystem>

#include "session/history/history.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

SessionState StateWith(const Picture& result) {
  SessionState state;
  state[static_cast<size_t>(Slot::Result)] = {result, result->Width(), result->Height()};
  return state;
}

RecipeStep Command(int16_t index) {
  RecipeStep step;
  step.index = index;
  return step;
}

const Picture& ResultOf(const SessionState& state) {
  return state[static_cast<size_t>(Slot::Result)].picture;
}

// Pictures of 100 x 100 pixels, 40000 bytes each: the memory holds two, the
// working folder three more; beyond that the oldest steps lose their way back.
TEST(History, OlderPicturesGoToFilesThenTheOldestStepsCanNoLongerBeUndone) {
  const std::string folder = test::MakeScratchFolder();
  History history(folder, {2 * 40000, 3 * 40000});
  std::vector<Picture> results;
  history.Start(StateWith(test::Flat(100, 100, 1)), {});
  for (int16_t i = 0; i < 7; ++i) {
    results.push_back(test::Flat(100, 100, PackRGB(i, 2 * i, 3 * i)));
    history.Record("step " + std::to_string(i), "", {Command(i)}, StateWith(results.back()));
  }
  EXPECT_EQ(history.FirstReachable(), 3u) << "the start and two steps are out of reach";
  EXPECT_NE(history.Note().find("can no longer be undone"), std::string::npos) << history.Note();
  EXPECT_FALSE(history.GoTo(2));
  StoredPicture::FinishMoves();  // files are written on a thread of their own
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 3);
  Result<SessionState> state = history.GoTo(3);
  ASSERT_TRUE(state) << "read back from its file";
  test::ExpectSamePixels(ResultOf(*state), results[2]);
  EXPECT_EQ(history.RecipeToHere().steps.size(), 3u) << "the recipe keeps every step up to here";

  // A step taken after going back replaces the steps that were undone.
  history.Record("again", "", {Command(21)}, StateWith(test::Flat(100, 100, 9)));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.Entries().back().name, "again");
  EXPECT_EQ(history.RecipeToHere().steps.back().index, 21);
  state = history.GoTo(3);
  ASSERT_TRUE(state);
  test::ExpectSamePixels(ResultOf(*state), results[2]);
  test::RemoveFolder(folder);
}

// Without a working folder the pictures beyond the memory would go to the
// current folder: the oldest steps give theirs up instead, and the note says why.
TEST(History, WithoutAWorkingFolderNoPictureGoesToAFile) {
  const test::InFreshCurrentFolder here;
  History history("", {40000, 8 * 40000});
  history.Start(StateWith(test::Flat(100, 100, 1)), {});
  for (int16_t i = 0; i < 3; ++i)
    history.Record("step", "", {Command(i)}, StateWith(test::Flat(100, 100, PackRGB(i, 0, 0))));
  StoredPicture::FinishMoves();
  EXPECT_TRUE(here.Empty());
  EXPECT_EQ(history.FirstReachable(), 3u);
  EXPECT_NE(history.Note().find("there is no working folder"), std::string::npos) << history.Note();
}

TEST(History, APictureSeveralStatesShowIsKeptOnce) {
  const std::string folder = test::MakeScratchFolder();
  History history(folder, {40000, 0});
  const Picture same = test::Flat(100, 100, 5);
  history.Start(StateWith(same), {});
  for (int16_t i = 0; i < 5; ++i) history.Record("again", "", {Command(i)}, StateWith(same));
  EXPECT_EQ(history.FirstReachable(), 0u);
  EXPECT_TRUE(history.Note().empty());
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  test::RemoveFolder(folder);
}

}  // namespace
}  // namespace pixmora
