#include "app/save_options.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "windows/translate.h"

namespace pixmora::app {

namespace {

// The compressions in the order the list shows them, with their captions.
constexpr std::pair<PngCompression, const char*> kCompressions[] = {
    {PngCompression::Fast, "Fast"}, {PngCompression::Default, "Default"}, {PngCompression::Best, "Best"}};

// A caption and its control, on a row of their own below the dialog's.
void AddRow(QFileDialog& dialog, const char* caption, QWidget* control) {
  auto* label = new QLabel(&dialog);
  windows::SetCaption(label, caption);
  label->setBuddy(control);
  windows::SetAccessibleName(control, caption);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
  }
}

}  // namespace

SaveOptions::SaveOptions(QFileDialog& dialog, const SaveSettings& settings)
    : quality_(new QSpinBox(&dialog)), compression_(new QComboBox(&dialog)) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  quality_->setObjectName("JpegQuality");
  quality_->setRange(1, 100);
  quality_->setValue(settings.jpegQuality > 0 ? settings.jpegQuality : kDefaultJpegQuality);
  compression_->setObjectName("PngCompression");
  for (const auto& [compression, caption] : kCompressions) {
    compression_->addItem(windows::Tr(caption), static_cast<int>(compression));
    if (compression == settings.pngCompression) compression_->setCurrentIndex(compression_->count() - 1);
  }
  AddRow(dialog, "JPEG quality", quality_);
  AddRow(dialog, "PNG compression", compression_);
}

SaveSettings SaveOptions::Chosen() const {
  SaveSettings chosen;
  chosen.jpegQuality = quality_->value() == kDefaultJpegQuality ? 0 : quality_->value();
  chosen.pngCompression = static_cast<PngCompression>(compression_->currentData().toInt());
  return chosen;
}

}  // namespace pixmora::app
