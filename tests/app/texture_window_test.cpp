#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>

#include "imageio/picture_files.h"
#include "imageio/resample.h"
#include "tests/app/window_fixture.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"
#include "windows/texture_window.h"

namespace pixmora::test {

namespace {

const char* const kTextures[] = {"001 Wood", "002 Stone", "003 Cork",  "004 Brick",
                                 "005 Moss", "006 Slate", "007 Clay",  "008 Ice",
                                 "009 Silk", "010 Rust",  "011 Grass", "012 Sand"};

class TextureWindowTest : public WindowTest {
 protected:
  // A user library of twelve textures and a grey 64 x 48 result.
  void StartWithLibrary() {
    Start();
    userFolder = data + "texture utente/";
    std::filesystem::create_directories(userFolder);
    for (const char* name : kTextures)
      WritePicture(Flat(8, 8, 0x336699), std::string("VARDELO24/texture utente/") + name + ".bmp");
    ASSERT_TRUE(
        window->ShowPicture(pixmora::Slot::ImageA, WritePicture(Varied(64, 48), "a.bmp")));
    RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  }
  // Types a name into the open window and presses OK; answers whether it was refused.
  bool Refused(windows::Form3& form, const QString& name) {
    const size_t before = notices.size();
    form.findChild<QLineEdit*>("Text1")->setText(name);
    form.findChild<QPushButton*>("Command1")->click();
    WaitUntilEnabled(form);
    return notices.size() > before;
  }
  std::unique_ptr<windows::Form3> OpenForm() {
    auto form = std::make_unique<windows::Form3>(window->Session(), window.get());
    form->critical = [this](QWidget*, const QString& text, const QString& rule) {
      notices.push_back(text);
      rules.push_back(rule);
    };
    form->findChild<QRadioButton*>("Option1(1)")->click();
    return form;
  }
  std::string userFolder;
  std::vector<QString> notices;
  std::vector<QString> rules;
};

}  // namespace

// A texture is saved as a 256 x 256 24-bit BMP, under an existing name or
// the next number, with the folder on the clipboard.
TEST_F(TextureWindowTest, ListsTheLibraryAndChecksNamesByTheLastNumber) {
  StartWithLibrary();
  auto form = OpenForm();
  EXPECT_EQ(form->Library(1).count, 12);
  EXPECT_EQ(form->Library(1).last, 12);
  EXPECT_EQ(form->Library(1).names[1], "001 Wood.bmp");
  EXPECT_EQ(form->findChild<QLabel*>("Label1(1)")->text(), "12");

  EXPECT_EQ(form->findChild<QLineEdit*>("Text1")->placeholderText(), "013 Name") << "the next free number";
  EXPECT_TRUE(Refused(*form, "012 Other"));
  EXPECT_EQ(notices.back(), "Name Texture not Valid!");
  EXPECT_TRUE(rules.back().contains("\"013 My flame\"")) << rules.back().toStdString();
  EXPECT_TRUE(Refused(*form, "005 X"));
  EXPECT_TRUE(Refused(*form, "abc"));
  EXPECT_TRUE(Refused(*form, "0013 X"));
  EXPECT_FALSE(std::filesystem::exists(userFolder + "012 Other.bmp"));

  EXPECT_FALSE(Refused(*form, "012 Sand")) << "an existing name is overwritten";
  EXPECT_FALSE(Refused(*form, "013 New"));
  for (const char* name : {"012 Sand.bmp", "013 New.bmp"}) {
    const FileFacts made = ReadFacts(userFolder + name);
    EXPECT_EQ(made.width, 256u) << name;
    EXPECT_EQ(made.height, 256u) << name;
    EXPECT_EQ(made.bpp, 24u) << name;
  }
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromStdString(userFolder));
  EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST_F(TextureWindowTest, TheMenuOpensTheWindowAndAnEmptyLibraryTakesTheFirstTexture) {
  Start();
  std::filesystem::create_directories(data + "texture");
  ASSERT_TRUE(
      window->ShowPicture(pixmora::Slot::ImageA, WritePicture(Varied(64, 48), "a.bmp")));
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* form = qobject_cast<windows::Form3*>(QApplication::activeModalWidget());
    if (!form) return;
    seen = form->windowTitle() == "Texture";
    form->findChild<QLineEdit*>("Text1")->setText("001 First");
    form->findChild<QPushButton*>("Command1")->click();
  });
  EXPECT_TRUE(window->ResultUnsaved());
  Action("mnutex")->trigger();
  EXPECT_TRUE(seen);
  EXPECT_EQ(ReadFacts(data + "texture/001 First.bmp").width, 256u);
  EXPECT_FALSE(window->ResultUnsaved()) << "quitting need not ask for a result kept as a texture";
}

// Once 999 is taken the name field says so, and only a listed name is taken.
TEST_F(TextureWindowTest, ALibraryUpTo999SaysNoNumberIsLeft) {
  StartWithLibrary();
  WritePicture(Flat(8, 8, 0), "VARDELO24/texture utente/999 Last.bmp");
  auto form = OpenForm();
  EXPECT_EQ(form->findChild<QLineEdit*>("Text1")->placeholderText(), "All 999 numbers are taken");
  EXPECT_TRUE(Refused(*form, "999 Other"));
  EXPECT_TRUE(rules.back().startsWith("All 999 numbers of this library are taken"));
  EXPECT_FALSE(Refused(*form, "999 Last"));
}

// A texture ending in ".BMP" (copied from another system) is listed, and
// its name overwrites it under its own letter case.
TEST_F(TextureWindowTest, UpperCaseBmpFilesAreListedAndOverwrittenInPlace) {
  StartWithLibrary();
  std::filesystem::rename(userFolder + "012 Sand.bmp", userFolder + "012 Sand.BMP");
  auto form = OpenForm();
  EXPECT_EQ(form->Library(1).count, 12);
  EXPECT_EQ(form->Library(1).last, 12);
  EXPECT_FALSE(Refused(*form, "012 Sand"));
  EXPECT_EQ(ReadFacts(userFolder + "012 Sand.BMP").width, 256u);
  EXPECT_FALSE(std::filesystem::exists(userFolder + "012 Sand.bmp")) << "no second file beside it";
}

// Before any command there is no result: OK writes nothing and says so.
TEST_F(TextureWindowTest, OkBeforeAnyCommandSaysThereIsNoResult) {
  Start();
  std::filesystem::create_directories(data + "texture");
  windows::Form3 form(window->Session(), window.get());
  form.findChild<QLineEdit*>("Text1")->setText("001 First");
  form.findChild<QPushButton*>("Command1")->click();
  QCoreApplication::processEvents();
  EXPECT_FALSE(std::filesystem::exists(data + "texture/001 First.bmp"));
  EXPECT_TRUE(Notice().contains("no result")) << Notice().toStdString();
}

TEST_F(TextureWindowTest, AClickedThumbnailNamesItsTextureAndSwitchingEmptiesTheName) {
  StartWithLibrary();
  auto form = OpenForm();
  auto* strip = form->findChild<QListWidget*>("PicStrip2");
  ASSERT_EQ(strip->count(), 12);
  form->show();
  EXPECT_TRUE(Eventually([&] {
    return strip->viewport()->grab().toImage().pixelColor(strip->visualItemRect(strip->item(0)).center()) ==
           QColor(0x99, 0x66, 0x33);
  })) << "the thumbnails are read away from the window's thread, then drawn";
  emit strip->itemClicked(strip->item(2));
  auto* text = form->findChild<QLineEdit*>("Text1");
  EXPECT_EQ(text->text(), "003 Cork");
  auto* clicked = form->findChild<QLabel*>("Image1(1)");
  EXPECT_TRUE(Eventually([&] { return clicked->pixmap().width() == 8; }));
  form->findChild<QRadioButton*>("Option1(0)")->click();
  EXPECT_TRUE(text->text().isEmpty());
  EXPECT_FALSE(strip->isVisibleTo(form.get()));
}

// Besides the design's fit, a texture may be the result's centre square, or
// the selection's, resampled whole: nothing is squashed.
TEST_F(TextureWindowTest, ATextureMayBeACentreSquare) {
  StartWithLibrary();
  EXPECT_FALSE(OpenForm()->findChild<QRadioButton*>("TextureFitSelection")->isEnabled()) << "no selection";
  window->Session().selection = Selection{SelectionShape::Ellipse, {10, 4, 30, 40}};
  auto form = OpenForm();
  const Picture result = window->Session().imma.GetPicture();
  const struct {
    const char* choice;
    const char* name;
    Box square;
  } cases[] = {{"TextureFitCentre", "013 Centre", {8, 0, 48, 48}},
               {"TextureFitSelection", "014 Selected", {10, 9, 30, 30}}};
  for (const auto& c : cases) {
    form->findChild<QRadioButton*>(c.choice)->click();
    EXPECT_FALSE(Refused(*form, c.name));
    const Picture square = MakeTestPicture(c.square.width, c.square.height, [&](int x, int y) {
      return result->At(x + c.square.x, y + c.square.y);
    });
    ExpectSamePixels(LoadPictureFile(userFolder + c.name + ".bmp"),
                     ResamplePicture(square, 256, 256, ResampleFilter::BSpline).value());
    form = OpenForm();
  }
}

// A texture keeps no transparency: one made from transparent parts says so,
// one from a square that has none does not.
TEST_F(TextureWindowTest, ATextureOfTransparentPartsSaysTheyAreLost) {
  StartWithLibrary();
  auto alpha = std::make_shared<AlphaPlane>(64, 48);  // the leftmost 8 columns transparent
  for (int x = 8; x < 64; ++x)
    for (int y = 0; y < 48; ++y) alpha->Set(x, y, 255);
  Workspace& ws = window->Session();
  ws.imma.SetPicture(WithAlpha(ws.imma.GetPicture(), alpha));
  const auto lost = [this] { return Notices().filter("keeps no transparency").size(); };
  EXPECT_FALSE(Refused(*OpenForm(), "013 Whole"));
  Settle();
  EXPECT_EQ(lost(), 1);
  auto form = OpenForm();
  form->findChild<QRadioButton*>("TextureFitCentre")->click();
  EXPECT_FALSE(Refused(*form, "014 Centre"));
  Settle();
  EXPECT_EQ(lost(), 1) << "the centre square is opaque";
}

}  // namespace pixmora::test
