#include "app/selection_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>

#include "app/dialog_fields.h"
#include "windows/translate.h"

namespace pixmora::app {

std::optional<Selection> AskSelection(QWidget* parent, const std::optional<Selection>& current, SelectionShape tool,
                                      int width, int height) {
  Selection s = current.value_or(Selection{tool, {0, 0, width, height}});
  QDialog dialog(parent);
  dialog.setObjectName("SelectionDialog");
  windows::SetCaption(&dialog, "Selection");
  auto* form = new QFormLayout(&dialog);
  auto* shape = new QComboBox(&dialog);
  shape->setObjectName("SelectionShape");
  shape->addItems({windows::Tr("Rectangle"), windows::Tr("Ellipse")});
  shape->setCurrentIndex(s.shape == SelectionShape::Ellipse);
  windows::SetAccessibleName(shape, "Selection shape");
  auto* shapeLabel = new QLabel(&dialog);
  windows::SetCaption(shapeLabel, "Shape");
  form->addRow(shapeLabel, shape);
  QSpinBox* x = AddNumberField(*form, "SelectionX", "X", "Selection left edge", 0, width - 1, s.box.x);
  QSpinBox* y = AddNumberField(*form, "SelectionY", "Y", "Selection top edge", 0, height - 1, s.box.y);
  QSpinBox* w = AddNumberField(*form, "SelectionWidth", "Width", "Selection width", 1, width, s.box.width);
  QSpinBox* h = AddNumberField(*form, "SelectionHeight", "Height", "Selection height", 1, height, s.box.height);
  QSpinBox* feather =
      AddNumberField(*form, "SelectionFeather", "Feather (pixels)", "Selection feather", 0, kMaxFeather, s.feather);
  AddOkCancel(dialog, *form, "Use this selection", "Keep the selection as it was");
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  s.shape = shape->currentIndex() == 1 ? SelectionShape::Ellipse : SelectionShape::Rectangle;
  // A box that would reach beyond image A is cut at its edge.
  s.box = {x->value(), y->value(), std::min(w->value(), width - x->value()), std::min(h->value(), height - y->value())};
  s.feather = feather->value();
  return s;
}

}  // namespace pixmora::app
