#include "app/resize_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/dialog_fields.h"
#include "imageio/picture_limits.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

// The filters' captions, in the order of kResampleFilters.
constexpr const char* kFilterCaptions[] = {"Box", "Bilinear", "B-spline", "Bicubic", "Catmull-Rom", "Lanczos3"};

QRadioButton* AddChoice(QFormLayout& form, const char* name, const char* caption) {
  auto* choice = new QRadioButton(form.parentWidget());
  choice->setObjectName(name);
  windows::SetCaption(choice, caption);
  windows::SetAccessibleName(choice, caption);
  form.addRow(choice);
  return choice;
}

}  // namespace

std::optional<ImageStep> AskResize(QWidget* parent, int width, int height) {
  QDialog dialog(parent);
  dialog.setObjectName("ResizeDialog");
  windows::SetCaption(&dialog, "Resize");
  auto* form = new QFormLayout(&dialog);
  QRadioButton* inPixels = AddChoice(*form, "ResizeInPixels", "Size in pixels");
  QSpinBox* w = AddNumberField(*form, "ResizeWidth", "Width", "New width", 1, kMaxSide, width);
  QSpinBox* h = AddNumberField(*form, "ResizeHeight", "Height", "New height", 1, kMaxSide, height);
  auto* keep = new QCheckBox(&dialog);
  keep->setObjectName("ResizeKeepProportions");
  windows::SetCaption(keep, "Keep proportions");
  windows::SetAccessibleName(keep, "Keep proportions");
  keep->setChecked(true);
  form->addRow(keep);
  QRadioButton* inPercent = AddChoice(*form, "ResizeInPercent", "Size as a percentage");
  QSpinBox* percent = AddNumberField(*form, "ResizePercentage", "Percentage", "New size in percent", 1, 10000, 100);
  percent->setSuffix(QStringLiteral(" %"));
  auto* filter = new QComboBox(&dialog);
  filter->setObjectName("ResizeFilter");
  for (const char* caption : kFilterCaptions) filter->addItem(windows::Tr(caption));
  filter->setCurrentIndex(static_cast<int>(ResampleFilter::BSpline));
  windows::SetAccessibleName(filter, "Resampling filter");
  auto* filterLabel = new QLabel(&dialog);
  windows::SetCaption(filterLabel, "Filter");
  form->addRow(filterLabel, filter);
  AddOkCancel(dialog, *form, "Resize image A", "Keep image A's size");

  inPixels->setChecked(true);
  const auto follow = [&](bool widthMoved) {
    if (!keep->isChecked()) return;
    ImageStep side;
    (widthMoved ? side.width : side.height) = (widthMoved ? w : h)->value();
    const auto [newWidth, newHeight] = ResizedSize(side, width, height);
    const QSignalBlocker quiet(widthMoved ? h : w);
    (widthMoved ? h : w)->setValue(static_cast<int>(widthMoved ? newHeight : newWidth));
  };
  QObject::connect(w, &QSpinBox::valueChanged, &dialog, [&] { follow(true); });
  QObject::connect(h, &QSpinBox::valueChanged, &dialog, [&] { follow(false); });
  const auto enable = [&] {
    for (QWidget* field : {static_cast<QWidget*>(w), static_cast<QWidget*>(h), static_cast<QWidget*>(keep)})
      field->setEnabled(inPixels->isChecked());
    percent->setEnabled(inPercent->isChecked());
  };
  QObject::connect(inPixels, &QRadioButton::toggled, &dialog, enable);
  enable();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  ImageStep step;
  step.command = ImageCommand::Resize;
  step.filter = kResampleFilters[filter->currentIndex()];
  if (inPercent->isChecked()) step.percent = percent->value();
  else step.width = w->value(), step.height = h->value();
  return step;
}

}  // namespace pixmora::app
