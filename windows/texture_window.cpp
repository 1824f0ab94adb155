#include "windows/texture_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <filesystem>

#include "windows/checkerboard.h"
#include "windows/qt_pictures.h"
#include "imageio/write_picture.h"
#include "windows/read_later.h"
#include "windows/texture_fit_choice.h"
#include "windows/texture_thumbnail.h"
#include "windows/translate.h"
#include "session/captions/window_captions.h"
#include "windows/transparency_notice.h"

namespace pixmora::windows {

namespace {

constexpr int kThumbnail = 30;
constexpr int kSpacing = 10;
constexpr int kTextureSide = 256;

QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(name).arg(i); }

QListWidget* MakeStrip(const char* name, QWidget* parent) {
  auto* strip = new QListWidget(parent);
  strip->setObjectName(name);
  strip->setViewMode(QListView::IconMode);
  strip->setIconSize(QSize(kThumbnail, kThumbnail));
  strip->setSpacing(kSpacing);
  strip->setMovement(QListView::Static);
  strip->hide();
  return strip;
}

QLabel* MakePicture(int i, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(Indexed("Image1", i));
  label->setFixedSize(kTextureSide / 2, kTextureSide / 2);
  label->setScaledContents(true);
  label->setFrameShape(QFrame::Box);
  return label;
}

// A texture's file name without its ".bmp".
QString TextureName(const std::string& file) { return QString::fromStdString(file.substr(0, file.size() - 4)); }

// A picture with transparency shows over the checkerboard at the label's size.
void ShowPictureIn(QLabel* label, const Picture& picture) {
  QImage image = picture ? ToQImage(*picture) : QImage();
  if (picture && picture->GetAlpha())
    image = OverCheckerboard(image.scaled(label->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  label->setPixmap(QPixmap::fromImage(image));
}

// Why a library folder cannot be listed; empty when it can.
std::string ListingProblem(const std::string& folder) {
  const std::filesystem::path path = std::filesystem::path(folder).parent_path();
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return {};
  return Translate(std::filesystem::exists(path, error) ? "not a folder" : "no such folder");
}

}  // namespace

Form3::Form3(Workspace& ws, QWidget* owner)
    : QDialog(owner),
      critical([](QWidget* parent, const QString& text, const QString& rule) {
        QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, parent);
        box.setInformativeText(rule);
        box.exec();
      }),
      ws_(ws) {
  setObjectName("Form3");
  SetCaption(this, "Texture");
  auto* grid = new QGridLayout(this);
  const char* const captions[] = {"Texture Standard List (1)", "Texture User List (2)"};
  for (int i = 0; i < 2; ++i) {
    Option1_[i] = new QRadioButton(this);
    SetCaption(Option1_[i], captions[i]);
    Option1_[i]->setObjectName(Indexed("Option1", i));
    connect(Option1_[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    libraryCounts_[i] = new QLabel(QStringLiteral("0"), this);
    libraryCounts_[i]->setObjectName(Indexed("Label1", i));
    strips_[i] = MakeStrip(i == 0 ? "PicStrip1" : "PicStrip2", this);
    SetAccessibleName(strips_[i], i == 0 ? "Standard textures" : "User textures");
    SetAccessibleName(strips_[i]->verticalScrollBar(), "Scroll bar of the textures");
    connect(strips_[i], &QListWidget::itemClicked, this, [this, i](QListWidgetItem* item) {
      PicStrip_ItemClick(i, strips_[i]->row(item) + 1);
    });
    libraryPictures_[i] = MakePicture(i, this);
    grid->addWidget(Option1_[i], 0, i * 2);
    grid->addWidget(libraryCounts_[i], 0, i * 2 + 1);
    grid->addWidget(strips_[i], 1, 0, 1, 4);
    grid->addWidget(libraryPictures_[i], 2, i * 2, 1, 2);
  }
  Option1_[0]->setChecked(true);
  Text1_ = new QLineEdit(this);
  Text1_->setObjectName("Text1");
  SetAccessibleName(Text1_, "Texture name");
  auto* ok = new QPushButton(this);
  ok->setObjectName("Command1");
  SetCaption(ok, "OK");
  auto* exit = new QPushButton(this);
  exit->setObjectName("Command2");
  SetCaption(exit, "Exit");
  connect(ok, &QPushButton::clicked, this, &Form3::Command1_Click);
  connect(exit, &QPushButton::clicked, this, &Form3::Command2_Click);
  grid->addWidget(Text1_, 3, 0, 1, 2);
  grid->addWidget(ok, 3, 2);
  grid->addWidget(exit, 3, 3);
  const Picture result = ws_.imma.Image();
  const bool selectionSquare =
      TextureBox(result->Width(), result->Height(), TextureFit::SelectionSquare, ws_.selection).has_value();
  fit_ = new TextureFitChoice(selectionSquare, this);
  grid->addWidget(fit_, 4, 0, 1, 4);
  connect(fit_, &TextureFitChoice::changed, this, [this] { ShowPictureIn(libraryPictures_[0], TextureSource()); });

  ShowPictureIn(libraryPictures_[0], TextureSource());
  LoadTextureFolder(0);
  LoadTextureFolder(1);
  strips_[0]->show();
  ShowNameForm();
}

void Form3::ShowNameForm() {
  const int next = NextTextureNumber(libraries_[selected_]);
  Text1_->setPlaceholderText(next ? Tr("%1 Name").arg(next, 3, 10, QChar('0')) : Tr("All 999 numbers are taken"));
  Text1_->setToolTip(NameRule());
}

QString Form3::NameRule() const {
  const int next = NextTextureNumber(libraries_[selected_]);
  if (!next) return Tr("All 999 numbers of this library are taken: pick a texture listed to replace it.");
  return Tr("A valid name starts with a number from %1 to 999, then a space and a name (\"%1 My flame\"); "
            "or it is the name of a texture listed, which it replaces.")
      .arg(next, 3, 10, QChar('0'));
}

void Form3::LoadTextureFolder(int i) {
  strips_[i]->clear();
  const std::string folder = i == 0 ? ws_.folders.Textures() : ws_.folders.UserTextures();
  const std::string problem = ListingProblem(folder);
  if (!problem.empty())
    ws_.report(Tr("cannot list %1: %2").arg(QString::fromStdString(folder), QString::fromStdString(problem)).toStdString());
  libraries_[i] = windows::LoadTextureFolder(folder);
  const TextureLibrary& library = libraries_[i];
  for (int k = 1; k <= library.count; ++k) {
    const std::string path = library.folder + library.names[k];
    const auto report = ws_.report;
    auto* item = new QListWidgetItem(TextureThumbnail(path, strips_[i]->viewport(),
                                                      [report](const Failure& failure) { report(failure.Message()); }),
                                     QString());
    // Named by the texture's name, which the strip does not write.
    const QString name = TextureName(library.names[k]);
    item->setToolTip(name);
    item->setData(Qt::AccessibleTextRole, name);
    strips_[i]->addItem(item);
  }
  libraryCounts_[i]->setText(QString::number(library.count));
}

void Form3::Option1_Click(int i) {
  selected_ = static_cast<int16_t>(i);
  for (QListWidget* strip : strips_) strip->hide();
  strips_[i]->show();
  Text1_->clear();
  ShowNameForm();
}

void Form3::PicStrip_ItemClick(int i, int position) {
  const TextureLibrary& library = libraries_[i];
  if (position < 1 || position > library.count) return;
  const std::string& name = library.names[position];
  Text1_->setText(TextureName(name));
  const std::string path = library.folder + name;
  ReadPictureLater(path, libraryPictures_[1], [this](const Result<Picture>& picture) {
    if (!picture) ws_.report(picture.error().Message());
    ShowPictureIn(libraryPictures_[1], picture.value_or(nullptr));
  });
}

void Form3::Command1_Click() {
  const TextureLibrary& library = libraries_[selected_];
  const std::string text = Text1_->text().toStdString();
  ValidateTextureName(library, text, verdict_);
  if (verdict_ == 0) {
    critical(this, Tr("Name Texture not Valid!"), NameRule());
    return;
  }
  const Picture result = ws_.imma.Image();
  if (result->Count() == 0) {
    ws_.report(Translate("There is no result to save yet."));
    return;
  }
  const Picture source = TextureSource();
  const std::string folder = library.folder;
  // Resampling a large result takes a while: the window waits for the write
  // with its buttons disabled, and still answers.
  setEnabled(false);
  auto* written = new QFutureWatcher<Status>(this);
  const bool lost = source->GetAlpha() != nullptr;
  connect(written, &QFutureWatcher<Status>::finished, this, [this, written, folder, result, lost] {
    written->deleteLater();
    TextureWritten(written->result(), folder, result, lost);
  });
  // A listed name is overwritten under its own letter case (".BMP").
  const std::string listed = ListedFile(library, text);
  const std::string path = folder + (listed.empty() ? text + ".bmp" : listed);
  written->setFuture(QtConcurrent::run(&Form3::WriteTexture, source, path));
}

Picture Form3::TextureSource() const {
  const Picture result = ws_.imma.Image();
  const Picture source = TexturePicture(result, fit_->Fit(), ws_.selection);
  return source ? source : result;
}

Status Form3::WriteTexture(const Picture& result, const std::string& path) {
  WriteOptions size;
  size.width = size.height = kTextureSide;
  return WritePictureFile(result, path, PictureFormat::Bmp, size);
}

void Form3::TextureWritten(const Status& written, const std::string& folder, const Picture& result, bool lost) {
  // A failed write closes the window as a good one does (the result stays
  // in the main window); the notice says why.
  if (!written) ws_.report(written.error().Message());
  else written_ = result;
  if (written && lost) ws_.report(TransparencyLostNotice(Tr("The texture")).toStdString());
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromStdString(folder));
  setEnabled(true);
  ResetTextureLists();
  accept();
}

void Form3::Command2_Click() {
  ResetTextureLists();
  reject();
}

void Form3::ResetTextureLists() {
  for (int i = 0; i < 2; ++i) {
    libraries_[i].names.clear();
    strips_[i]->clear();
    strips_[i]->hide();
  }
  Option1_[0]->setChecked(true);
  Option1_[1]->setChecked(false);
}

}  // namespace pixmora::windows
