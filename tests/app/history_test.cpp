#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/history_panel.h"
#include "app/picture_box.h"
#include "imageio/picture_files.h"
#include "tests/app/window_fixture.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace {

class HistoryTest : public WindowTest {
 protected:
  void Open(const char* entry, const Picture& picture, const std::string& name) {
    Answer(WritePicture(picture, name));
    Action(entry)->trigger();
    Settle();
  }
  // A File entry that runs as a job: handing on, saving.
  void File(const char* entry) {
    Action(entry)->trigger();
    Settle();
  }
  void Run(const std::string& key) {
    RunAndWait([&] { CommandAction(key)->trigger(); });
  }
  void Do(const std::function<void()>& step) {
    RunAndWait(step);
    Settle();
  }
};

}  // namespace

// Undo and redo take every picture a step changed back and forth, and what
// "Save file" would write with them; the history panel goes to any step.
TEST_F(HistoryTest, UndoRedoAndThePanelGoBackAndForthOverEveryPicture) {
  ShipAll();
  StartScripted();
  Workspace& ws = window->Session();
  const Picture original = Varied(64, 48);
  Open("mnuimma", original, "a.png");
  Run("grayscale");
  const Picture grey = ws.imma.GetPicture();
  File("mnusalvaa");  // Load image (A)
  Run("fog");
  const Picture fog = ws.imma.GetPicture();
  EXPECT_EQ(Action("mnuUndo")->text().remove(QChar('&')), "Undo Fog");
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

  Do([&] { QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); });
  EXPECT_FALSE(ws.Pic4.GetPicture()) << "the result handed on is cleared";
  ExpectSamePixels(ws.Pic1.GetPicture(), grey);
  Do([&] { Action("mnuUndo")->trigger(); });
  ExpectSamePixels(ws.Pic1.GetPicture(), original);
  ExpectSamePixels(ws.imma.GetPicture(), grey);  // what Save file would write
  EXPECT_EQ(ws.m.planes.Width(), 64);
  EXPECT_EQ(Action("mnuRedo")->text().remove(QChar('&')), "Redo Load image (A)");

  Do([&] { QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier); });
  Do([&] { QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); });
  ExpectSamePixels(ws.imma.GetPicture(), fog);
  EXPECT_FALSE(Action("mnuRedo")->isEnabled());

  auto* list = window->findChild<QListWidget*>("HistoryList");
  ASSERT_EQ(list->count(), 5);  // Start, Open, Grayscale, Load image (A), Fog
  EXPECT_EQ(list->item(1)->text(), "Open image A a.png");
  Do([&] { emit list->itemClicked(list->item(1)); });
  ExpectSamePixels(ws.Pic1.GetPicture(), original);
  EXPECT_FALSE(ws.imma.GetPicture()) << "no result yet after opening image A";
  EXPECT_EQ(list->currentRow(), 1);

  Run("image-negative");  // a new step replaces the steps undone
  EXPECT_EQ(list->count(), 3);
  EXPECT_EQ(Action("mnuUndo")->text().remove(QChar('&')), "Undo Image negative");
}

// A recipe saved in the window and replayed by the batch tool on the same
// picture writes the file "Save file" writes, byte for byte, whatever kinds of
// steps made the result, random draws among them; so does the line "Copy as
// command" gives.
TEST_F(HistoryTest, ARecipeReplaysTheSavedFileByteForByte) {
  ShipAll();
  StartScripted();
  const app::Form1Controls& c = window->Controls();
  Open("mnuimma", Varied(60, 40), "a.png");
  Open("mnuimmb", MakeTestPicture(17, 33, [](int x, int y) { return PackRGB(x * 15, y * 7, 90); }), "b 2.png");
  Open("mnusalvap", Varied(11, 9), "pattern.bmp");
  Answer(WritePicture(MakeTestPicture(20, 20, [](int x, int) { return x < 10 ? 0u : 0xFFFFFFu; }), "shape.bmp"));
  emit c.Picture4->clicked();
  Settle();
  c.HScroll1->setValue(3);
  Run("mix-image-b");
  File("mnusalvab");  // Load image (B)
  Run("brighten");    // unused: the slider replaces it
  Do([&] { c.Slider1->setValue(1); });
  File("mnusalvaa");  // Load image (A)
  c.HScroll2->setValue(7);
  Run("insert-shape");
  File("mnusalvaa");
  c.HS1[0]->setValue(200);
  Run("mix-pattern");
  File("mnusalvaa");
  Run("full-colors");
  File("mnusalvaa");
  Run("disorder");  // unused, but its draws move the random source
  Run("diffuse");

  Answer(root + "r.recipe");
  File("mnuSaveRecipe");
  const std::string recipe = FileBytes(root + "r.recipe");
  EXPECT_EQ(recipe.find("brighten"), std::string::npos) << "the unused step is left out:\n" << recipe;
  Action("mnuCopyCommand")->trigger();
  const std::string line = QApplication::clipboard()->text().toStdString();
  ASSERT_EQ(line.rfind("pixmora-cli apply ", 0), 0u) << line;
  const char* extensions[] = {"bmp", "jpg", "png", "tif"};
  for (int format = 1; format <= 4; ++format) {
    const std::string saved = root + "saved." + extensions[format - 1];
    Answer(saved, format);
    File("mnusalva");
    const std::string replayed = root + "replayed." + extensions[format - 1];
    ASSERT_EQ(RunBatchTool("apply --recipe '" + root + "r.recipe' '" + root + "a.png' '" + replayed + "'"), 0);
    EXPECT_TRUE(FileBytes(saved) == FileBytes(replayed)) << extensions[format - 1] << "\n" << recipe;
    std::string copied = line;
    copied.replace(copied.find("a-edited.png"), 12, std::string("copied.") + extensions[format - 1]);
    ASSERT_EQ(RunBatchTool(copied.substr(std::string("pixmora-cli ").size())), 0) << copied;
    EXPECT_TRUE(FileBytes(saved) == FileBytes(root + "copied." + extensions[format - 1])) << copied;
  }
}

// The steps whose result shows the back colour (the rotation's corners, the
// lines on a cleared result) record it, black once Rectangles made it so: the
// batch tool with another colour scheme replays the recipe to the same bytes.
TEST_F(HistoryTest, ARecipeMadeUnderOneSchemeReplaysTheSameUnderAnother) {
  ShipAll();
  Write("color_menu.cff", "0, 0, 0\n" + std::to_string(PackRGB(200, 30, 60)) + ", 16777215\n0\n");
  StartScripted();
  Open("mnuimma", Varied(60, 40), "a.png");
  Do([&] { window->Controls().Slider1->setValue(1); });
  File("mnusalvaa");
  Run("horizontal-lines");
  Answer(root + "saved.bmp");
  File("mnusalva");
  Answer(root + "r.recipe");
  File("mnuSaveRecipe");
  const std::string recipe = FileBytes(root + "r.recipe");
  EXPECT_NE(recipe.find("back-colour=200,30,60 rotate:1"), std::string::npos) << recipe;
  std::filesystem::create_directories(root + "batch/VARDELO24");
  std::ofstream(root + "batch/VARDELO24/color_menu.cff") << "0, 0, 0\n65280, 0\n0\n";
  ASSERT_EQ(RunBatchTool("apply --recipe '" + root + "r.recipe' '" + root + "a.png' '" + root + "replayed.bmp'"), 0);
  EXPECT_TRUE(FileBytes(root + "saved.bmp") == FileBytes(root + "replayed.bmp")) << recipe;

  Run("rectangles");
  File("mnusalvaa");
  Run("squares");
  Answer(root + "r2.recipe");
  File("mnuSaveRecipe");
  EXPECT_NE(FileBytes(root + "r2.recipe").find("back-colour=0,0,0 squares"), std::string::npos);
}

}  // namespace pixmora::test
