#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/picture_box.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace {

class DropTest : public WindowTest {
 protected:
  // Drags mime over the box and lets it go, as the window system would;
  // answers whether the box took the drag when it entered.
  bool Drop(app::PreviewBox* box, const QMimeData& mime) {
    const QPoint centre = box->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &enter);
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &drop);
    QCoreApplication::processEvents();
    Settle();
    return enter.isAccepted();
  }
  bool DropFile(app::PreviewBox* box, const std::string& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    return Drop(box, mime);
  }
};

}  // namespace

TEST_F(DropTest, PictureDroppedOnEachPreviewOpensThere) {
  Start();
  const app::Form1Controls& c = window->Controls();
  Workspace& ws = window->Session();
  EXPECT_TRUE(DropFile(c.Image2, WritePicture(Varied(64, 48), "a.bmp")));
  ExpectSamePixels(ws.Pic1.Image(), Varied(64, 48));
  EXPECT_EQ(ws.m.planes.Width(), 64) << "image A sizes the planes as from its dialog";
  EXPECT_TRUE(DropFile(c.Image3, WritePicture(Varied(30, 20), "b.bmp")));
  ExpectSamePixels(ws.Pic2.Image(), Varied(30, 20));
  EXPECT_TRUE(DropFile(c.picture1, WritePicture(Varied(12, 10), "p.bmp")));
  ExpectSamePixels(ws.PatPic.Image(), Varied(12, 10));
  EXPECT_TRUE(DropFile(c.Picture4, WritePicture(Varied(40, 20), "s.bmp")));
  ExpectSamePixels(ws.Pic3.Image(), Varied(40, 20));
  EXPECT_FALSE(c.Image1->acceptDrops()) << "the result is not a place to open pictures";
}

TEST_F(DropTest, FileThatIsNotAPictureIsReportedAndChangesNothing) {
  Start();
  DropFile(window->Controls().Image2, WritePicture(Varied(64, 48), "a.bmp"));
  Write("notes.bmp", "just some text");
  DropFile(window->Controls().Image2, data + "notes.bmp");
  ExpectSamePixels(window->Session().Pic1.Image(), Varied(64, 48));
  EXPECT_TRUE(Notice().contains("notes.bmp")) << Notice().toStdString();
}

TEST_F(DropTest, DragsWithoutOneLocalFileAreRefused) {
  Start();
  const int width = window->Session().Pic1.Width();
  QMimeData text;
  text.setText("a.bmp");
  EXPECT_FALSE(Drop(window->Controls().Image2, text));
  const QString a = QString::fromStdString(WritePicture(Varied(64, 48), "a.bmp"));
  QMimeData two;
  two.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(a)});
  EXPECT_FALSE(Drop(window->Controls().Image2, two));
  QMimeData remote;
  remote.setUrls({QUrl("https://example.org/a.bmp")});
  EXPECT_FALSE(Drop(window->Controls().Image2, remote));
  EXPECT_EQ(window->Session().Pic1.Width(), width);
}

TEST_F(DropTest, DropsAreRefusedWhileACommandRuns) {
  Start();
  DropFile(window->Controls().Image2, WritePicture(Varied(64, 48), "a.bmp"));
  const std::string b = WritePicture(Varied(30, 20), "b.bmp");
  bool accepted = true;
  RunAndWait([&] {
    CommandAction("grayscale")->trigger();
    ASSERT_TRUE(window->Busy());
    accepted = DropFile(window->Controls().Image3, b);
  });
  EXPECT_FALSE(accepted);
  QCoreApplication::processEvents();
  EXPECT_NE(window->Session().Pic2.Width(), 30) << "the drop during the command opened nothing";
  EXPECT_TRUE(DropFile(window->Controls().Image3, b)) << "once it has ended, drops are taken again";
  EXPECT_EQ(window->Session().Pic2.Width(), 30);
}

}  // namespace pixmora::test
