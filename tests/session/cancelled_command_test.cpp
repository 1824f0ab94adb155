// A command stopped by Cancel leaves the session exactly as it was: the
// result, its snapshot, "ps.bmp", the result's back colour and the random
// source's position.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "session/dispatch.h"
#include "session/slider_command.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// Cancels its token once the progress bar passes a column: the command is
// then stopped in the middle, between two columns.
class CancelAtColumn : public FrameHooks {
 public:
  CancelAtColumn(CancelToken& token, int column) : token_(token), column_(column) {}
  void SetProgressValue(double value) override {
    if (value >= column_) token_.Cancel();
  }

 private:
  CancelToken& token_;
  int column_;
};

// A session that has published one result and keeps every later one.
struct Published : test::Session {
  explicit Published(const Picture& imageA) : Session(imageA) {
    ws.keepResultLater = [this](const Picture& p) { kept.push_back(p); };
    test::RunByKey(ws, "grayscale");
  }
  std::vector<Picture> kept;
};

// Runs the command with a token cancelled once the progress bar passes that
// column (before it starts, for a negative one); answers whether it ran to
// its end.
bool CancelledAt(Workspace& ws, const std::string& key, int column) {
  CancelToken token;
  if (column < 0) token.Cancel();
  CancelAtColumn hooks(token, column);
  ws.hooks = &hooks;
  const CatalogueEntry& entry = test::Command(key);
  const bool ended = RunMenuCommand(ws, entry.menu, entry.index, &token);
  ws.hooks = &CallContext::NoHooks();
  return ended;
}

}  // namespace

// Rectangles clears the result to a black back colour before its first
// column (it shows no progress, so it is cancelled before it starts);
// Disorder draws from the random source, on several threads.
TEST(CancelledCommand, LeavesTheSessionAsItWas) {
  const std::pair<const char*, int> cases[] = {{"rectangles", -1}, {"disorder", 60}};
  for (const auto& [key, column] : cases) {
    SCOPED_TRACE(key);
    Published s(test::Varied(120, 400));
    s.ws.threads = 4;
    const Picture result = s.ws.Pic4.Image(), snapshot = s.ws.imma.Image();
    const ColorRef back = s.ws.Pic4.BackColor;
    EXPECT_FALSE(CancelledAt(s.ws, key, column));
    test::ExpectSamePixels(s.ws.Pic4.Image(), result);
    EXPECT_EQ(s.ws.imma.Image(), snapshot);
    EXPECT_EQ(s.ws.Pic4.BackColor, back);
    EXPECT_EQ(s.kept.size(), 1u) << "nothing published";
    EXPECT_TRUE(RunMenuCommand(s.ws, Menu::Filters, 5)) << "the next command runs";
  }
}

// Haze makes all its draws before its first column, Disorder column by column.
TEST(CancelledCommand, PutsTheRandomSourceBack) {
  for (const char* key : {"haze", "disorder"}) {
    SCOPED_TRACE(key);
    Published cancelled(test::Varied(90, 60)), alone(test::Varied(90, 60));
    EXPECT_FALSE(CancelledAt(cancelled.ws, key, 45));
    test::RunByKey(cancelled.ws, "diffuse");
    test::RunByKey(alone.ws, "diffuse");
    test::ExpectSamePixels(cancelled.ws.Pic4.Image(), alone.ws.Pic4.Image());
  }
}

// Fog's and Obscure's strips of columns wait for one another: cancelled at
// any moment, every strip stops, those left waiting too.
TEST(CancelledCommand, EveryBandOfRowsStops) {
  test::Session s(test::Varied(300, 1000));
  s.ws.threads = 4;
  Picture result = s.ws.Pic4.Image();
  for (int i = 0; i < 50; ++i) {
    CancelToken token;
    std::thread cancel([&token, i] {
      std::this_thread::sleep_for(std::chrono::microseconds(50 * i));
      token.Cancel();
    });
    const bool ended = RunMenuCommand(s.ws, Menu::Filters, i % 2 ? 5 : 6, &token);
    cancel.join();
    if (!ended) test::ExpectSamePixels(s.ws.Pic4.Image(), result);
    result = s.ws.Pic4.Image();
  }
}

// Cancelled before it starts, the turn stops at once.
TEST(CancelledCommand, TheSliderLeavesTheResultAsItWas) {
  Published s(test::Varied(50, 40));
  const Picture result = s.ws.Pic4.Image();
  CancelToken token;
  token.Cancel();
  EXPECT_FALSE(Slider1_Change(s.ws, 2, &token));
  test::ExpectSamePixels(s.ws.Pic4.Image(), result);
  EXPECT_EQ(s.kept.size(), 1u);
}

}  // namespace pixmora
