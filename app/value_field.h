// The editable number beside a scroll bar of the side panel. It shows the
// bar's value as the design formats it ("007", "0.5", "50%") and takes a
// number typed in the same form; the bar and the field always agree.
#pragma once
#include <QSpinBox>

class QScrollBar;

namespace pixmora::app {

struct FieldFormat {
  int multiply = 1;  // the number shown is value * multiply / divide
  int divide = 1;
  int decimals = 0;  // digits after the point
  int digits = 0;    // the least digits of a whole number, zeros in front
  QString suffix;
};

class ValueField : public QSpinBox {
  Q_OBJECT
 public:
  // Follows bar (and moves it), showing its value in format.
  ValueField(const QString& name, QScrollBar* bar, FieldFormat format, QWidget* parent);

 protected:
  QString textFromValue(int value) const override;
  int valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& position) const override;

 private:
  // The bar's value a typed text stands for; false when it stands for none.
  bool Parse(const QString& text, int& value) const;

  FieldFormat format_;
};

}  // namespace pixmora::app
