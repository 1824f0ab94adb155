#include <QAction>
#include <QCoreApplication>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>

#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace {

class LiveTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ShipAll();
    StartScripted();
    OpenImageA(WritePicture(Varied(600, 400), "a.png"));
    Action("mnuLive")->setChecked(true);
  }
  // Waits until no live run is under way or waiting, and the burst has ended.
  void Quiet() {
    Settle();
    QCoreApplication::processEvents();
    Settle();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->LiveBurstPending(); }, 5000));
  }
};

}  // namespace

// With Live on, dragging a bar the last command reads shows exactly what the
// menu gives at the value the bar stops at: one command of each menu that
// reads a value. The burst is one step, and undo goes back before it.
TEST_F(LiveTest, TheResultFollowsTheBarsAsAMenuRunWould) {
  const app::Form1Controls& c = window->Controls();
  struct Case {
    const char* key;
    QScrollBar* bar;
    int from, to;
  } cases[] = {{"full-colors", c.HS1[1], 0, 180},  // colour 1
               {"insert-shape", c.HScroll2, 5, 8},  // size
               {"vertical-lines", c.HScroll1, 5, 2}};  // strength
  Workspace& ws = window->Session();
  for (const Case& k : cases) {
    k.bar->setValue(k.from);
    RunAndWait([&] { CommandAction(k.key)->trigger(); });
    const Picture before = ws.imma.GetPicture();
    const size_t steps = window->SessionHistory().Entries().size();
    for (int v = k.from; v != k.to; v += k.to > k.from ? 1 : -1) k.bar->setValue(v);
    k.bar->setValue(k.to);
    Quiet();
    const Picture live = ws.imma.GetPicture();
    EXPECT_EQ(window->SessionHistory().Entries().size(), steps + 1) << k.key << ": one step";
    RunAndWait([&] { Action("mnuUndo")->trigger(); });
    ExpectSamePixels(ws.imma.GetPicture(), before);  // undo goes back to the menu's result
    Action("mnuLive")->setChecked(false);
    RunAndWait([&] { CommandAction(k.key)->trigger(); });  // the menu, at the value the bar stopped at
    ExpectSamePixels(live, ws.imma.GetPicture());
    Action("mnuLive")->setChecked(true);
  }
  EXPECT_TRUE(window->findChild<QToolBar*>("ToolBar")->actions().contains(Action("mnuLive")));
}

// A run whose value is moved on before it ends is never kept: "ps.bmp" holds
// the menu's result and the last value's only.
TEST_F(LiveTest, AnOvertakenRunIsNeverKept) {
  std::vector<Picture> published;
  window->Session().keepResultLater = [&](const Picture& p) { published.push_back(p); };
  // Large enough that the run at 90% is still under way when the bar moves on.
  OpenImageA(WritePicture(Varied(3000, 2000), "large.bmp"));
  RunAndWait([&] { CommandAction("insert-shape")->trigger(); });
  window->Controls().HScroll2->setValue(9);  // starts a run at 90%...
  window->Controls().HScroll2->setValue(3);  // ...moved on at once
  Quiet();
  ASSERT_EQ(published.size(), 2u) << "the menu run and the last value only";
  EXPECT_EQ(window->SessionHistory().Entries().back().name, "Insert Shape, strength 0.5, size 30%");
  Action("mnuLive")->setChecked(false);
  RunAndWait([&] { CommandAction("insert-shape")->trigger(); });
  ExpectSamePixels(published[1], window->Session().imma.GetPicture());
}

// Esc during a burst keeps the result shown and ends the burst: the value
// moved on meanwhile does not run.
TEST_F(LiveTest, EscKeepsTheLastResultAndEndsTheBurst) {
  window->show();
  OpenImageA(WritePicture(Varied(3000, 2000), "large.bmp"));  // still running when Esc comes
  RunAndWait([&] { CommandAction("insert-shape")->trigger(); });
  const Workspace& ws = window->Session();
  const Picture shown = ws.imma.GetPicture();
  const size_t steps = window->SessionHistory().Entries().size();
  window->Controls().HScroll2->setValue(9);  // starts a run...
  window->Controls().HScroll2->setValue(3);  // ...that this one waits for
  QTest::keyClick(window.get(), Qt::Key_Escape);
  Quiet();
  EXPECT_EQ(ws.imma.GetPicture(), shown);
  EXPECT_EQ(window->SessionHistory().Entries().size(), steps);
}

// During a burst only the preview follows: "ps.bmp" and the history wait for
// its end. Undo right after it, before the values have rested, still goes
// back before it, and the result kept is the last one shown.
TEST_F(LiveTest, TheBurstIsKeptWhenItEndsOrWhenUndoComes) {
  std::vector<Picture> kept;
  window->Session().keepResultLater = [&](const Picture& p) { kept.push_back(p); };
  RunAndWait([&] { CommandAction("insert-shape")->trigger(); });
  const Picture menu = window->Session().imma.GetPicture();
  const size_t steps = window->SessionHistory().Entries().size();
  for (int v : {6, 7, 8}) {
    window->Controls().HScroll2->setValue(v);
    Settle();
  }
  EXPECT_TRUE(window->LiveBurstPending());
  EXPECT_EQ(kept.size(), 1u) << "the menu's result only";
  EXPECT_EQ(window->SessionHistory().Entries().size(), steps);
  const Picture last = window->Session().imma.GetPicture();
  RunAndWait([&] { Action("mnuUndo")->trigger(); });
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept.back(), last);
  EXPECT_EQ(window->SessionHistory().Entries().size(), steps + 1);
  ExpectSamePixels(window->Session().imma.GetPicture(), menu);
}

}  // namespace pixmora::test
