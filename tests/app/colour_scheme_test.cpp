#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <filesystem>

#include "app/picture_box.h"
#include "tests/app/window_fixture.h"
#include "tests/support/picture_files.h"

namespace pixmora::test {

namespace {

QColor Back(const QWidget* w) { return w->palette().color(QPalette::Window); }
QColor Fore(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

const QColor kRed(255, 0, 0), kGreen(0, 255, 0);

}  // namespace

// The scheme colours the window, its labels, frames and picture boxes; the
// scroll bars, the slider and the status bar keep the standard colours, the
// previews stay white and the shape's preview black.
TEST_F(WindowTest, TheSchemeColoursWindowLabelsFramesAndPictureBoxes) {
  Write("color_menu.cff", "1, 2, 3, 255, 65280, 0\n");
  Start();
  EXPECT_EQ(Back(window.get()), kRed);
  for (const char* name : {"Label2", "Label8", "Label10", "Label1"}) {
    EXPECT_EQ(Back(Find<QLabel>(name)), kRed) << name;
    EXPECT_EQ(Fore(Find<QLabel>(name)), kGreen) << name;
  }
  EXPECT_EQ(Back(Find<QGroupBox>("Frame1")), kRed);
  EXPECT_EQ(Fore(Find<QGroupBox>("Frame1")), kGreen);
  EXPECT_EQ(Back(Find<QWidget>("Picture3")), kRed);
  EXPECT_EQ(Back(Find<QWidget>("Picture5")), kRed);
  EXPECT_EQ(window->Session().Pic4.BackColor, 255u) << "the hidden surfaces take the back colour";
  EXPECT_EQ(window->Controls().picture1->Surface().BackColor, 255u);

  const QColor standard = QApplication::palette().color(QPalette::Window);
  for (const QWidget* w :
       {Find<QWidget>("HS1(0)"), Find<QWidget>("HScroll1"), Find<QWidget>("Slider1"),
        static_cast<QWidget*>(window->statusBar()), Find<QWidget>("ProgressBar3")})
    EXPECT_EQ(Back(w), standard) << w->objectName().toStdString();

  const app::Form1Controls& c = window->Controls();
  for (const app::PreviewBox* box : {c.Image1, c.Image2, c.Image3}) {
    EXPECT_EQ(Back(box), QColor(255, 255, 255)) << box->objectName().toStdString();
    EXPECT_EQ(box->Shown().pixelColor(128, 128), QColor(255, 255, 255));
  }
  EXPECT_EQ(Back(c.Picture4), QColor(0, 0, 0));
  EXPECT_EQ(c.Picture4->Shown().pixelColor(10, 10), QColor(0, 0, 0));
}

TEST_F(WindowTest, DefaultSchemeWithoutAnyFile) {
  Start();
  EXPECT_EQ(Back(window.get()), QColor(0x21, 0x21, 0x21));
  EXPECT_EQ(Fore(Find<QLabel>("Label2")), QColor(0xBC, 0xFF, 0xFF));
  EXPECT_FALSE(std::filesystem::exists(data + "color_menu.cff")) << "no copy is made";
}

TEST_F(WindowTest, TheSupportCopyIsCopiedOnFirstStartOnly) {
  const std::string scheme = "1, 2, 3, 255, 65280, 0\n";
  Write("supporto/color_menu.cff", scheme);
  Start();
  EXPECT_EQ(Back(window.get()), kRed);
  EXPECT_EQ(FileBytes(data + "color_menu.cff"), scheme);
  window.reset();
  Write("supporto/color_menu.cff", "0, 0, 0, 16711680, 0, 0\n");
  Start();
  EXPECT_EQ(Back(window.get()), kRed) << "later starts read the data folder's copy";
  EXPECT_EQ(FileBytes(data + "color_menu.cff"), scheme);
}

}  // namespace pixmora::test
