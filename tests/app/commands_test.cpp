#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QLabel>
#include <QScrollBar>
#include <QProgressBar>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <map>

#include "app/picture_box.h"
#include "imageio/picture_files.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

TEST_F(WindowTest, GrayscaleFromItsMenuMatchesTheBatchTool) {
  Start();
  const std::string imageA = WritePicture(Varied(64, 48), "a.bmp");
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA, imageA));
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });

  const Picture published = Published();
  ASSERT_EQ(RunBatchTool("apply '" + imageA + "' '" + root + "batch.bmp' Grayscale"), 0);
  ExpectSamePixels(published, LoadPictureFile(root + "batch.bmp"));
  EXPECT_NE(published->At(10, 10), Varied(64, 48)->At(10, 10)) << "the picture turned grey";

  const QColor centre = window->Controls().Image1->Shown().pixelColor(128, 128);
  EXPECT_EQ(centre.red(), centre.green()) << "the result preview shows the grey result";
  EXPECT_EQ(centre.green(), centre.blue());
}

// Records whether a widget was shown at some moment.
class ShowSpy : public QObject {
 public:
  explicit ShowSpy(QWidget* w) { w->installEventFilter(this); }
  bool shown = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) shown = true;
    return false;
  }
};

TEST_F(WindowTest, BusyLabelAndProgressBarFollowTheCommand) {
  Start();
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA, WritePicture(Varied(1000, 10), "a.bmp")));
  window->show();
  const app::Form1Controls& c = window->Controls();
  ShowSpy busy(c.Label1);
  int highest = 0, moves = 0;
  QObject::connect(c.ProgressBar3, &QProgressBar::valueChanged, [&](int v) {
    highest = std::max(highest, v);
    ++moves;
  });
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  EXPECT_TRUE(busy.shown);
  EXPECT_EQ(c.ProgressBar3->maximum(), 999) << "the bar runs over the columns";
  EXPECT_GE(highest, 990);
  EXPECT_GT(moves, 100);
  EXPECT_EQ(c.ProgressBar3->value(), 0);
  EXPECT_FALSE(c.Label1->isVisibleTo(window.get()));
}

// Commands read the controls when chosen; Ctrl+R runs the last one again
// with the values of that moment.
TEST_F(WindowTest, CommandsReadTheControlsWhenChosenAndRepeat) {
  Start();
  EXPECT_FALSE(Action("mnuRepeat")->isEnabled()) << "nothing to repeat yet";
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA,
                                  WritePicture(Flat(8, 6, PackRGB(10, 20, 30)), "a.bmp")));
  window->Controls().HS1[0]->setValue(200);
  RunAndWait([&] { CommandAction("full-colors")->trigger(); });
  EXPECT_EQ(window->Session().Pic4.Point(3, 3), PackRGB(210, 20, 30)) << "colour 1 added";
  EXPECT_EQ(window->Session().values.colour1[0], 200);
  EXPECT_EQ(window->Caption("mnuRepeat"), "Repeat Full Colors");
  EXPECT_EQ(Action("mnuRepeat")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
  window->Controls().HS1[0]->setValue(100);
  RunAndWait([&] { Action("mnuRepeat")->trigger(); });
  EXPECT_EQ(window->Session().Pic4.Point(3, 3), PackRGB(110, 20, 30)) << "with the new colour 1";
}

TEST_F(WindowTest, CommandStartersAreDisabledWhileACommandRuns) {
  Start();
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA, WritePicture(Varied(300, 200), "a.bmp")));
  window->SetCommand(app::WindowCommand::OpenImageA, [] {});
  RunAndWait([&] {
    CommandAction("grayscale")->trigger();
    EXPECT_TRUE(window->Busy());
    EXPECT_FALSE(CommandAction("image-negative")->isEnabled());
    EXPECT_FALSE(Action("mnuimma")->isEnabled());
    EXPECT_FALSE(window->Controls().Slider1->isEnabled());
    EXPECT_FALSE(window->Controls().Image2->isEnabled());
    EXPECT_TRUE(Action("mnuesci")->isEnabled());
    EXPECT_FALSE(window->ShowPicture(pixmora::Slot::ImageB, "anything.bmp"));
  });
  EXPECT_FALSE(window->Busy());
  EXPECT_TRUE(CommandAction("image-negative")->isEnabled());
  EXPECT_TRUE(Action("mnuimma")->isEnabled());
  EXPECT_TRUE(window->Controls().Slider1->isEnabled());
}

// Before image A every command is disabled and the status bar says where to
// start; a command that reads image B, the pattern or the shape waits for it
// too, and says so while the pointer rests on it.
TEST_F(WindowTest, CommandsWaitForThePicturesTheyNeed) {
  Start();  // without the start pattern and shape
  window->show();
  EXPECT_EQ(Notice(), "Open image A first (File > Open, File > Open Sample or drop a picture)");
  EXPECT_FALSE(CommandAction("grayscale")->isEnabled());
  EXPECT_FALSE(window->Controls().Slider1->isEnabled());
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA, WritePicture(Varied(8, 8), "a.bmp")));
  EXPECT_TRUE(Notice().isEmpty());
  EXPECT_TRUE(window->Controls().Slider1->isEnabled());
  const auto entries = [&](bool picturesThere) {
    for (const CatalogueEntry& e : Catalogue()) {
      if (e.IsSeparator()) continue;
      const bool other = Has(e.reads, Input::ImageB) || Has(e.reads, Input::Pattern) || Has(e.reads, Input::Shape);
      EXPECT_EQ(CommandAction(e.key)->isEnabled(),
                e.run != nullptr && (picturesThere || !other))
          << e.caption;
    }
  };
  entries(false);
  auto* mix = Find<QMenu>("mnuMixing");
  mix->popup(window->mapToGlobal(QPoint(0, 0)));
  QTest::mouseMove(mix, mix->actionGeometry(CommandAction("mix-image-b")).center());
  EXPECT_TRUE(Notice().startsWith("Open image B first")) << Notice().toStdString();
  mix->close();
  for (pixmora::Slot slot : {pixmora::Slot::ImageB, pixmora::Slot::Pattern, pixmora::Slot::Shape})
    ASSERT_TRUE(window->ShowPicture(slot, WritePicture(Varied(8, 8), "other.bmp")));
  entries(true);
}

// Every control the command table names exists, is enabled once its command
// is bound, and starts that command.
TEST_F(WindowTest, EachControlOfTheCommandTableStartsItsCommand) {
  Start();
  std::map<app::WindowCommand, int> runs;
  for (const app::CommandBinding& binding : app::CommandBindings()) {
    window->SetCommand(binding.command, [&runs, c = binding.command] { ++runs[c]; });
    int controls = 0;
    for (const char* name : binding.controls) {
      if (!name) continue;
      ++controls;
      QObject* control = window->findChild<QObject*>(name);
      ASSERT_NE(control, nullptr) << name;
      if (auto* action = qobject_cast<QAction*>(control)) {
        EXPECT_TRUE(action->isEnabled()) << name;
        action->trigger();
      } else if (auto* button = qobject_cast<QToolButton*>(control)) {
        EXPECT_TRUE(button->isEnabled()) << name;
        button->click();
      } else {
        auto* preview = qobject_cast<app::PreviewBox*>(control);
        ASSERT_NE(preview, nullptr) << name;
        EXPECT_TRUE(preview->isEnabled()) << name;
        emit preview->clicked();
      }
    }
    EXPECT_EQ(runs[binding.command], controls) << controls;
  }
}

TEST_F(WindowTest, TheSliderTurnsImageAIntoTheResult) {
  Start();
  const Picture picture = Varied(40, 30);
  const std::string imageA = WritePicture(picture, "a.bmp");
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA, imageA));
  RunAndWait([&] { window->Controls().Slider1->setValue(2); });
  EXPECT_EQ(window->Controls().sliderAngle->text(), QString::fromUtf8("90\u00b0"));

  const Workspace& ws = window->Session();
  ASSERT_EQ(ws.Pic4.Width(), 40);
  // A quarter turn: 10 pixels right of the centre shows what was 10 below it.
  EXPECT_EQ(ws.Pic4.Point(20 + 10, 15), picture->At(20, 15 + 10));
  const Picture published = Published();
  ASSERT_EQ(RunBatchTool("apply '" + imageA + "' '" + root + "batch.bmp' rotate:2"), 0);
  ExpectSamePixels(published, LoadPictureFile(root + "batch.bmp"));
}

}  // namespace pixmora::test
