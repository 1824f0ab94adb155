// Quitting with a result never saved asks Save / Discard / Cancel; with
// nothing to lose it closes at once.
#include <QAction>
#include <filesystem>

#include "imageio/picture_files.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace {

class QuitTest : public WindowTest {
 protected:
  // A window with a grey result never saved, whose question is answered by answer.
  void StartWithAResult() {
    StartScripted();
    window->show();
    window->SetQuestionBox(
        [this](QWidget*, const QString&, const QString& text, QMessageBox::StandardButtons) {
          questions << text;
          return answer;
        });
    OpenImageA(WritePicture(Varied(64, 48), "a.bmp"));
    RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  }
  QStringList questions;
  QMessageBox::StandardButton answer = QMessageBox::Cancel;
};

}  // namespace

TEST_F(QuitTest, NothingToLoseClosesWithoutAsking) {
  StartScripted();
  window->show();
  bool asked = false;
  window->SetQuestionBox([&](QWidget*, const QString&, const QString&, QMessageBox::StandardButtons) {
    asked = true;
    return QMessageBox::Cancel;
  });
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(asked);
}

TEST_F(QuitTest, CancelKeepsTheWindowAndDiscardCloses) {
  StartWithAResult();
  Action("mnuesci")->trigger();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_TRUE(questions[0].contains("never saved")) << questions[0].toStdString();
  EXPECT_TRUE(window->isVisible());
  answer = QMessageBox::Discard;
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(window->isVisible());
}

// Save runs Save file: a cancelled dialog keeps the window; a file written
// closes it.
TEST_F(QuitTest, SaveWritesTheResultAndClosesOnlyOnceItIsWritten) {
  StartWithAResult();
  const Picture grey = window->Session().imma.Image();
  answer = QMessageBox::Save;
  EXPECT_FALSE(window->close());
  Settle();
  EXPECT_TRUE(window->isVisible()) << "the save dialog was cancelled";
  Answer(root + "kept.png", 3);
  EXPECT_FALSE(window->close());
  Settle();
  EXPECT_TRUE(Eventually([&] { return !window->isVisible(); }));
  ExpectSamePixels(LoadPictureFile(root + "kept.png"), grey);
  EXPECT_EQ(questions.size(), 2) << "asked no more once saved";
}

// A result saved is not asked about; the next one is (a texture: see the
// texture window's tests).
TEST_F(QuitTest, ASavedResultIsNotAskedAbout) {
  StartWithAResult();
  Answer(root + "grey.bmp");
  Action("mnusalva")->trigger();
  Settle();
  EXPECT_FALSE(window->ResultUnsaved());
  RunAndWait([&] { CommandAction("image-negative")->trigger(); });
  EXPECT_TRUE(window->ResultUnsaved());
  Action("mnuUndo")->trigger();
  Settle();
  EXPECT_FALSE(window->ResultUnsaved()) << "undone to the result saved";
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(questions.isEmpty());
}

// Closing while a command runs waits for it, then asks about its result.
TEST_F(QuitTest, ClosingDuringACommandAsksOnceItHasEnded) {
  StartWithAResult();
  answer = QMessageBox::Discard;
  CommandAction("image-negative")->trigger();
  ASSERT_TRUE(window->Busy());
  EXPECT_FALSE(window->close());
  Settle();
  EXPECT_TRUE(Eventually([&] { return !window->isVisible(); }));
  EXPECT_EQ(questions.size(), 1);
}

}  // namespace pixmora::test
