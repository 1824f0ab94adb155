#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>
#include <filesystem>
#include <optional>

#include "app/file_dialog.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace {

// Answers the Qt dialog once it is shown: checks it, then chooses or cancels.
void AnswerQtDialog(const std::function<void(QFileDialog&)>& act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
  });
}

// The dialog over a scratch home folder, with nothing remembered yet.
class RememberedFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    root = QString::fromStdString(MakeScratchFolder());
    QDir(root).mkpath("home");
    QDir(root).mkpath("photos");
    const char* home = std::getenv("HOME");
    savedHome = home ? std::optional<std::string>(home) : std::nullopt;
    setenv("HOME", (root + "home").toUtf8().constData(), 1);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root + "config");
  }
  void TearDown() override {
    if (savedHome) setenv("HOME", savedHome->c_str(), 1);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       qEnvironmentVariable("XDG_CONFIG_HOME"));
    RemoveFolder(root.toStdString());
  }
  // Shows an open dialog for request; answers the folder it started in,
  // after choosing file (or cancelling when file is empty).
  QString StartFolder(const app::FileDialogRequest& request, const QString& file = {}) {
    QString started;
    AnswerQtDialog([&](QFileDialog& dialog) {
      started = dialog.directory().absolutePath();
      if (file.isEmpty()) {
        dialog.reject();
        return;
      }
      dialog.selectFile(file);
      static_cast<QDialog&>(dialog).accept();  // as the Open button does
    });
    const app::FileDialogAnswer answer = app::QtFileDialog().Show(nullptr, request);
    EXPECT_EQ(answer.fileName, file);
    return started;
  }
  QString Picture(const QString& folder) {
    const QString path = root + folder + "/p.bmp";
    QFile(path).open(QIODevice::WriteOnly);
    return path;
  }
  QString root;
  std::optional<std::string> savedHome;
};

}  // namespace

TEST_F(RememberedFolders, OpenDialogsStartInPicturesThenWhereTheUserLastChose) {
  EXPECT_EQ(StartFolder({}), root + "home") << "no Pictures folder: home";
  QDir(root).mkpath("home/Pictures");
  EXPECT_EQ(StartFolder({}, Picture("photos")), root + "home/Pictures");
  EXPECT_EQ(StartFolder({}), root + "photos") << "remembered from the last choice";
  app::FileDialogRequest save;
  save.save = true;
  EXPECT_EQ(StartFolder(save), root + "home/Pictures") << "saving remembers its own folder";
  std::filesystem::remove_all((root + "photos").toStdString());
  EXPECT_EQ(StartFolder({}), root + "home/Pictures") << "a folder that is gone is forgotten";
}

TEST_F(RememberedFolders, FolderNamedByTheCommandIsKeptAndNotRemembered) {
  QDir(root).mkpath("shapes");
  app::FileDialogRequest shapes;
  shapes.initialFolder = root + "shapes";
  EXPECT_EQ(StartFolder(shapes, Picture("shapes")), root + "shapes");
  EXPECT_EQ(StartFolder({}), root + "home");
}

TEST_F(RememberedFolders, EachKindOfDialogStartsOnTheFilterLastUsed) {
  app::FileDialogRequest open;
  open.filter = "All pictures (*.bmp *.png)|*.*|Files BMP(*.bmp)|*.bmp|";
  const QString file = Picture("photos");
  AnswerQtDialog([&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.selectedNameFilter(), "All pictures (*.bmp *.png)") << "all pictures first";
    dialog.selectNameFilter("Files BMP (*.bmp)");
    dialog.selectFile(file);
    static_cast<QDialog&>(dialog).accept();
  });
  EXPECT_EQ(app::QtFileDialog().Show(nullptr, open).filterIndex, 2);
  AnswerQtDialog([](QFileDialog& dialog) {
    EXPECT_EQ(dialog.selectedNameFilter(), "Files BMP (*.bmp)") << "remembered";
    dialog.reject();
  });
  app::QtFileDialog().Show(nullptr, open);
}

// A picture's save offers the JPEG quality and the PNG compression, as last chosen.
TEST_F(RememberedFolders, APicturesSaveOffersItsEncodingAsLastChosen) {
  app::FileDialogRequest request;
  request.save = request.encoding = true;
  const QString file = root + "photos/out.jpg";
  const auto answer = [&](int quality, const QString& compression, int setQuality, int setCompression) {
    AnswerQtDialog([=](QFileDialog& dialog) {
      auto* spin = dialog.findChild<QSpinBox*>("JpegQuality");
      auto* list = dialog.findChild<QComboBox*>("PngCompression");
      ASSERT_TRUE(spin && list);
      EXPECT_EQ(spin->value(), quality);
      EXPECT_EQ(list->currentText(), compression);
      EXPECT_NE(spin->accessibleName(), list->accessibleName());
      spin->setValue(setQuality);
      list->setCurrentIndex(setCompression);
      dialog.selectFile(file);
      static_cast<QDialog&>(dialog).accept();
    });
    return app::QtFileDialog().Show(nullptr, request).save;
  };
  EXPECT_EQ(answer(75, "Default", 40, 2), (SaveSettings{40, PngCompression::Best}));
  EXPECT_EQ(answer(40, "Best", 75, 0), (SaveSettings{0, PngCompression::Fast})) << "75 is JPEG's default";
  EXPECT_EQ(answer(75, "Fast", 75, 1), SaveSettings{});
}

TEST(QtFileDialog, SaveDialogOffersTheFiltersAndTheDefaultExtension) {
  app::FileDialogRequest request;
  request.title = "Save file";
  request.filter = "Files BMP(*.bmp)|*.bmp|Files PNG(*.png)|*.png|";
  request.filterIndex = 2;
  request.defaultExtension = ".bmp";
  request.save = true;
  AnswerQtDialog([](QFileDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Save file");
    EXPECT_EQ(dialog.nameFilters(), QStringList({"Files BMP (*.bmp)", "Files PNG (*.png)"}));
    EXPECT_EQ(dialog.selectedNameFilter(), "Files PNG (*.png)");
    EXPECT_EQ(dialog.defaultSuffix(), "png") << "a name without extension takes the filter's";
    dialog.selectNameFilter("Files BMP (*.bmp)");
    emit dialog.filterSelected("Files BMP (*.bmp)");
    EXPECT_EQ(dialog.defaultSuffix(), "bmp");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    dialog.reject();
  });
  app::QtFileDialog qt;
  EXPECT_TRUE(qt.Show(nullptr, request).fileName.isEmpty()) << "cancel chooses nothing";
}

}  // namespace pixmora::test
