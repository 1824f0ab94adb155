// A transparent picture in the window: shown over the checkerboard, its
// alpha read under the pointer, kept by the commands, handing on, undo and
// redo, Save file and Chain; lost, with a notice, in a JPEG; flattened from
// the Image menu.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "app/mnemonics.h"
#include "app/picture_box.h"
#include "app/user_settings.h"
#include "core/flatten.h"
#include "imageio/picture_files.h"
#include "tests/app/window_fixture.h"
#include "tests/support/picture_files.h"
#include "windows/picture_view.h"

namespace pixmora::test {

namespace {

class TransparencyTest : public WindowTest {
 protected:
  // Image A: opaque red on the right, wholly transparent (its hidden colour
  // black) on the left.
  void OpenHalfTransparent() {
    auto alpha = std::make_shared<AlphaPlane>(64, 48);
    for (int x = 32; x < 64; ++x)
      for (int y = 0; y < 48; ++y) alpha->Set(x, y, 255);
    imageA = WithAlpha(MakeTestPicture(64, 48, [](int x, int) { return x < 32 ? 0u : PackRGB(255, 0, 0); }), alpha);
    ASSERT_TRUE(SaveBitmap(FIF_PNG, RgbaBitmapOf(imageA).get(), root + "a.png", 0));
    OpenImageA(root + "a.png");
  }
  void Run(const char* entry) { RunAndWait([&] { Action(entry)->trigger(); }); }
  Picture imageA;
};

}  // namespace

TEST_F(TransparencyTest, TransparentPartsShowOverTheCheckerboardAndTheReadoutSaysTheAlpha) {
  ShipAll();
  StartScripted();
  window->show();
  OpenHalfTransparent();
  const app::Form1Controls& c = window->Controls();
  const QPoint left(c.Image2->width() / 4, c.Image2->height() / 2);
  QImage drawn;
  ASSERT_TRUE(Eventually([&] {
    drawn = c.Image2->grab().toImage();
    return drawn.pixelColor(left) != QColor(0, 0, 0) && drawn.pixelColor(left) != QColor(255, 255, 255);
  }));
  QSet<QRgb> greys;
  for (int dx = 0; dx < 16; ++dx) greys.insert(drawn.pixel(left + QPoint(dx, 0)));
  EXPECT_EQ(greys, (QSet<QRgb>{qRgb(204, 204, 204), qRgb(153, 153, 153)})) << "light and dark squares";
  EXPECT_EQ(drawn.pixelColor(QPoint(c.Image2->width() * 3 / 4, c.Image2->height() / 2)), QColor(255, 0, 0));

  Action("mnuViewImageA")->trigger();
  QSignalSpy pointed(c.largeView, &windows::PictureView::pointed);
  QTest::mouseMove(c.largeView->viewport(), c.largeView->viewport()->rect().center() - QPoint(4, 0));
  ASSERT_FALSE(pointed.isEmpty());
  EXPECT_TRUE(pointed.last().at(0).toString().endsWith(", A 0")) << pointed.last().at(0).toString().toStdString();
}

TEST_F(TransparencyTest, CommandsHandingOnUndoRedoSaveFileAndChainKeepIt) {
  ShipAll();
  StartScripted();
  OpenHalfTransparent();
  Workspace& ws = window->Session();
  Run(CommandAction("grayscale")->objectName().toUtf8().constData());
  EXPECT_EQ(ws.imma.Image()->GetAlpha(), ws.Pic1.Image()->GetAlpha());
  Action("mnusalvaa")->trigger();  // Load image (A)
  Settle();
  ExpectSameAlpha(ws.Pic1.Image(), imageA);
  Run("mnuUndo");
  Run("mnuRedo");
  ExpectSameAlpha(ws.Pic1.Image(), imageA);
  Run(CommandAction("fog")->objectName().toUtf8().constData());

  Answer(root + "saved.png");
  Action("mnusalva")->trigger();
  Settle();
  ExpectSameAlpha(LoadPictureFile(root + "saved.png"), imageA);
  EXPECT_FALSE(Notice().contains("transparency"));
  Answer(root + "saved.jpg");
  Action("mnusalva")->trigger();
  Settle();
  EXPECT_TRUE(Notice().startsWith("saved.jpg keeps no transparency")) << Notice().toStdString();

  // Chained, a flip goes on as image A with its alpha flipped.
  Action("mnuChain")->setChecked(true);
  Run("mnuFlipHorizontal");
  Action("mnuChain")->setChecked(false);
  EXPECT_FALSE(ws.Pic4.GetPicture()) << "handed on";
  EXPECT_EQ(ws.Pic1.Image()->AlphaAt(0, 0), 255);
  EXPECT_EQ(ws.Pic1.Image()->AlphaAt(63, 47), 0);
}

// Flatten onto Colour 2 is a command of its own: image A laid onto colour 2,
// recorded and replayed by the batch tool, which writes the save dialog's
// encoding as the editor does.
TEST_F(TransparencyTest, FlattenLaysImageAOntoColour2) {
  ShipAll();
  StartScripted();
  OpenHalfTransparent();
  for (int i = 0; i < 3; ++i) window->Controls().HS1[3 + i]->setValue(i * 100);
  Run("mnuFlatten");
  Workspace& ws = window->Session();
  ExpectSamePixels(ws.imma.Image(), Flattened(imageA, PackRGB(0, 100, 200)));
  EXPECT_FALSE(ws.imma.Image()->GetAlpha());
  EXPECT_EQ(app::WithoutMnemonic(Action("mnuUndo")->text()), "Undo Flatten onto Colour 2");

  app::FileDialogAnswer answer{QString::fromStdString(root + "flat.jpg"), 1};
  answer.save.jpegQuality = 40;
  dialog->answers.push_back(answer);
  app::RememberSaveSettings(answer.save);  // as the dialog does
  Action("mnusalva")->trigger();
  Settle();
  Action("mnuCopyCommand")->trigger();
  std::string line = QApplication::clipboard()->text().toStdString();
  EXPECT_NE(line.find(" color2=0,100,200 flatten quality=40 --editor-save"), std::string::npos) << line;
  line.replace(line.find("a-edited.png"), 12, "again.jpg");
  ASSERT_EQ(RunBatchTool(line.substr(std::string("pixmora-cli ").size())), 0) << line;
  EXPECT_EQ(FileBytes(root + "again.jpg"), FileBytes(root + "flat.jpg"));
  app::RememberSaveSettings({});
}

}  // namespace pixmora::test
