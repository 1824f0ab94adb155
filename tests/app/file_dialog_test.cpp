#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include "app/file_dialog.h"

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

}  // namespace

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
    EXPECT_EQ(dialog.defaultSuffix(), "bmp");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    dialog.reject();
  });
  app::QtFileDialog qt;
  EXPECT_TRUE(qt.Show(nullptr, request).fileName.isEmpty()) << "cancel chooses nothing";
}

}  // namespace pixmora::test
