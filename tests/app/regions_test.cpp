// Working on a part of the picture in the window: a selection drawn in the
// large view, typed in, nudged, undone; the Image menu's commands; Chain.
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "app/picture_box.h"
#include "app/resize_dialog.h"
#include "app/user_settings.h"
#include "tests/app/window_fixture.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"
#include "windows/picture_view.h"

namespace pixmora::test {

namespace {

class RegionsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ShipAll();
    StartScripted();
    OpenImageA(imageA = WritePicture(original, "a.png"));
    window->SetSelectionDialog([this](QWidget*, const std::optional<Selection>&, SelectionShape, int, int) {
      return typed;
    });
    window->SetResizeDialog([this](QWidget*, int, int) { return resize; });
  }
  void Trigger(const char* entry) { RunAndWait([&] { Action(entry)->trigger(); }); }
  void Run(const std::string& key) { RunAndWait([&] { CommandAction(key)->trigger(); }); }
  void File(const char* entry) {
    Action(entry)->trigger();
    Settle();
  }
  void Select(const Selection& selection) {
    typed = selection;
    Action("mnuSelection")->trigger();
  }
  // A left drag over the large view between two points of its picture.
  void Drag(QPointF from, QPointF to, Qt::KeyboardModifiers keys = {}) {
    windows::PictureView* view = window->Controls().largeView;
    QWidget* port = view->viewport();
    const QPoint a = view->ViewportPoint(from).toPoint(), b = view->ViewportPoint(to).toPoint();
    QTest::mousePress(port, Qt::LeftButton, keys, a);
    QMouseEvent move(QEvent::MouseMove, b, port->mapToGlobal(b), Qt::NoButton, Qt::LeftButton, keys);
    QApplication::sendEvent(port, &move);
    QTest::mouseRelease(port, Qt::LeftButton, keys, b);
  }
  std::string LastStep() const { return window->SessionHistory().Entries()[window->SessionHistory().Position()].name; }

  const Picture original = Varied(80, 60);
  std::string imageA;
  std::optional<Selection> typed;
  std::optional<ImageStep> resize;
};

}  // namespace

// The rectangle tool shows image A large; a drag draws the selection (Shift:
// a square), a drag inside moves it, a drag of a handle resizes it, the
// arrow keys nudge it (one step for a run of nudges), a command changes only
// its inside, and undo and redo bring each selection back.
TEST_F(RegionsTest, ASelectionDrawnInTheLargeViewLimitsTheCommandAndUndoBringsItBack) {
  Workspace& ws = window->Session();
  window->resize(1000, 700);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  Action("ToolRectangle")->trigger();
  EXPECT_TRUE(window->Controls().largeView->isVisible()) << "image A shows large to draw on";
  Drag({10.2, 5.1}, {29.8, 44.7}, Qt::ShiftModifier);
  EXPECT_EQ(ws.selection, (Selection{SelectionShape::Rectangle, {10, 5, 40, 40}}));
  EXPECT_EQ(LastStep(), "Select Rectangle");
  Drag({30, 25}, {20, 20});
  EXPECT_EQ(ws.selection->box, (Box{0, 0, 40, 40}));
  EXPECT_EQ(LastStep(), "Move Selection");
  Drag({40, 40}, {20, 25});
  const Selection resized{SelectionShape::Rectangle, {0, 0, 20, 25}};
  EXPECT_EQ(ws.selection, resized);
  EXPECT_EQ(LastStep(), "Resize Selection");

  Run("image-negative");
  EXPECT_EQ(ws.imma.GetPicture()->At(5, 7), original->At(5, 7) ^ 0xFFFFFFu);
  EXPECT_EQ(ws.imma.GetPicture()->At(25, 7), original->At(25, 7));
  EXPECT_EQ(ws.imma.GetPicture()->At(5, 30), original->At(5, 30));

  window->Controls().largeView->setFocus();
  QTest::keyClick(window->Controls().largeView, Qt::Key_Right);
  const size_t steps = window->SessionHistory().Entries().size();
  QTest::keyClick(window->Controls().largeView, Qt::Key_Right);
  QTest::keyClick(window->Controls().largeView, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(ws.selection->box, (Box{2, 10, 20, 25}));
  EXPECT_EQ(window->SessionHistory().Entries().size(), steps) << "a run of nudges is one step";

  const std::optional<Selection> back[] = {resized, resized, Selection{SelectionShape::Rectangle, {0, 0, 40, 40}},
                                           Selection{SelectionShape::Rectangle, {10, 5, 40, 40}}, std::nullopt};
  for (const std::optional<Selection>& selection : back) {
    Trigger("mnuUndo");
    EXPECT_EQ(ws.selection, selection);
  }
  for (int i = 0; i < 5; ++i) Trigger("mnuRedo");
  EXPECT_EQ(ws.selection->box, (Box{2, 10, 20, 25}));
}

TEST_F(RegionsTest, TheSelectionEntriesAndTheDialog) {
  Workspace& ws = window->Session();
  EXPECT_FALSE(Action("mnuCrop")->isEnabled()) << "no selection to crop to";
  Select({SelectionShape::Ellipse, {5, 6, 30, 20}, 4});
  EXPECT_EQ(ws.selection, (Selection{SelectionShape::Ellipse, {5, 6, 30, 20}, 4}));
  EXPECT_TRUE(Action("mnuCrop")->isEnabled());
  Action("mnuInvertSelection")->trigger();
  EXPECT_TRUE(ws.selection->inverted);
  Action("mnuSelectAll")->trigger();
  EXPECT_EQ(ws.selection, (Selection{SelectionShape::Rectangle, {0, 0, 80, 60}, 4}));
  Action("mnuSelectNone")->trigger();
  EXPECT_FALSE(ws.selection);
  EXPECT_EQ(LastStep(), "Select None");
  EXPECT_EQ(Action("mnuSelectAll")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
}

// The Resize dialog keeps image A's proportions while one side is typed.
TEST_F(RegionsTest, TheResizeDialogKeepsTheProportions) {
  window->SetResizeDialog(app::AskResize);
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_TRUE(dialog);
    dialog->findChild<QSpinBox*>("ResizeWidth")->setValue(40);
    EXPECT_EQ(dialog->findChild<QSpinBox*>("ResizeHeight")->value(), 30);
    dialog->findChild<QComboBox*>("ResizeFilter")->setCurrentIndex(0);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  Trigger("mnuResize");
  EXPECT_EQ(window->Session().imma.GetPicture()->Width(), 40);
  EXPECT_EQ(LastStep(), "Resize");
  EXPECT_EQ(window->SessionHistory().Entries().back().details, "resize=40,30");
}

// The Image menu's commands are steps like the design's commands: a recipe
// of a selection, a crop, a resize and a turn made here replays through the
// batch tool to the very file Save file writes. A selection that does not
// fit the next image A goes, with a notice.
TEST_F(RegionsTest, ARecipeOfSelectionCropResizeAndTurnReplaysToTheSavedFile) {
  Workspace& ws = window->Session();
  Select({SelectionShape::Ellipse, {10, 10, 50, 40}, 3});
  Run("fog");
  File("mnusalvaa");
  Select({SelectionShape::Rectangle, {5, 5, 40, 30}});
  Trigger("mnuCrop");
  ExpectSamePixels(ws.imma.GetPicture(),
                   MakeTestPicture(40, 30, [&](int x, int y) { return ws.Pic1.Point(x + 5, y + 5); }));
  File("mnusalvaa");
  EXPECT_FALSE(ws.selection);
  EXPECT_TRUE(Notices().join("\n").contains("does not fit the new image A")) << Notices().join("\n").toStdString();
  resize.emplace().command = ImageCommand::Resize;
  resize->percent = 150, resize->filter = ResampleFilter::Lanczos3;
  Trigger("mnuResize");
  EXPECT_EQ(ws.imma.GetPicture()->Width(), 60);
  File("mnusalvaa");
  Trigger("mnuTurnLeft");
  EXPECT_EQ(ws.imma.GetPicture()->Width(), 45);
  EXPECT_EQ(LastStep(), "Rotate 90\u00B0 Left");

  Answer(root + "r.recipe");
  File("mnuSaveRecipe");
  const std::string recipe = FileBytes(root + "r.recipe");
  for (const char* word :
       {"feather=3 select=ellipse:10,10,50,40", "crop=selection", "filter=lanczos3 resize=150%", "turn=left"})
    EXPECT_NE(recipe.find(word), std::string::npos) << word << " in\n" << recipe;
  Answer(root + "saved.png", 3);
  File("mnusalva");
  ASSERT_EQ(RunBatchTool("apply --recipe '" + root + "r.recipe' '" + imageA + "' '" + root + "replayed.png'"), 0);
  EXPECT_TRUE(FileBytes(root + "saved.png") == FileBytes(root + "replayed.png")) << recipe;
}

// With Chain on each command's result is image A at once, one step each,
// as the hand-on steps it stands for leave it; the slider starts again from
// the new image A, undo goes back a command at a time, and a recipe of the
// chain replays to what Save file writes.
TEST_F(RegionsTest, ChainHandsEachResultOnAsLoadImageADoes) {
  Workspace& ws = window->Session();
  Action("mnuChain")->setChecked(true);
  EXPECT_TRUE(app::SavedChain());
  const size_t steps = window->SessionHistory().Entries().size();
  Run("grayscale");
  Select({SelectionShape::Rectangle, {0, 0, 40, 60}});
  Run("fog");
  Trigger("mnuFlipHorizontal");
  const Picture flipped = ws.Pic1.GetPicture();
  RunAndWait([&] { window->Controls().Slider1->setValue(1); });
  EXPECT_EQ(window->Controls().Slider1->value(), 0) << "the slider starts again from the turned image A";
  const Picture chained = ws.Pic1.GetPicture(), last = ws.imma.GetPicture();
  EXPECT_FALSE(ws.Pic4.GetPicture()) << "the result preview shows what the hand-on leaves";
  EXPECT_EQ(window->SessionHistory().Entries().size(), steps + 5);
  Answer(root + "chain.recipe");
  File("mnuSaveRecipe");
  Answer(root + "saved.bmp");
  File("mnusalva");
  ASSERT_EQ(RunBatchTool("apply --recipe '" + root + "chain.recipe' '" + imageA + "' '" + root + "replayed.bmp'"), 0);
  EXPECT_TRUE(FileBytes(root + "saved.bmp") == FileBytes(root + "replayed.bmp"));
  Trigger("mnuUndo");
  ExpectSamePixels(ws.Pic1.GetPicture(), flipped);

  Action("mnuChain")->setChecked(false);
  Action("mnuSelectNone")->trigger();
  OpenImageA(imageA);
  Run("grayscale");
  File("mnusalvaa");
  Select({SelectionShape::Rectangle, {0, 0, 40, 60}});
  Run("fog");
  File("mnusalvaa");
  Trigger("mnuFlipHorizontal");
  File("mnusalvaa");
  RunAndWait([&] { window->Controls().Slider1->setValue(1); });
  ExpectSamePixels(ws.imma.GetPicture(), last);
  File("mnusalvaa");
  ExpectSamePixels(ws.Pic1.GetPicture(), chained);
}

// A Live burst on a chained command runs from the image A the command
// started with and hands on once: what the menu and "Load image (A)" give
// at the value the bar stops at.
TEST_F(RegionsTest, ChainWithLiveHandsOnOnceFromTheImageAItStartedWith) {
  Workspace& ws = window->Session();
  Action("mnuChain")->setChecked(true);
  Action("mnuLive")->setChecked(true);
  QScrollBar* strength = window->Controls().HScroll1;
  Run("vertical-lines");
  const size_t steps = window->SessionHistory().Entries().size();
  for (int v : {4, 3, 2}) strength->setValue(v);
  Settle();
  QCoreApplication::processEvents();
  Settle();
  EXPECT_EQ(window->SessionHistory().Entries().size(), steps) << "the burst takes the chained command's place";
  const Picture live = ws.Pic1.GetPicture();
  Trigger("mnuUndo");
  ExpectSamePixels(ws.Pic1.GetPicture(), original);
  Action("mnuChain")->setChecked(false);
  Action("mnuLive")->setChecked(false);
  Run("vertical-lines");
  File("mnusalvaa");
  ExpectSamePixels(ws.Pic1.GetPicture(), live);
}

}  // namespace pixmora::test
