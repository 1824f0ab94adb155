// The editable number beside a scroll bar of the side panel. It shows the
// bar's value as the design formats it ("007", "0.5", "50%") and takes a
// number typed in the same form; the bar and the field always agree. A text
// that stands for no value of the bar is not put back silently: the field
// says it refused it, and shows itself in error until it is typed into again.
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

  // A value as a range is told, without zeros in front: "0", "0.1", "10%".
  QString Bound(int value) const;
  // Marks the field in error, with why as its accessible description.
  void ShowRefused(const QString& why);
  bool Refused() const { return refused_; }

 signals:
  // A typed text that is malformed or out of range was left (Enter, or the
  // focus went elsewhere); the bar keeps its value.
  void refused();

 protected:
  QString textFromValue(int value) const override;
  int valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& position) const override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The bar's value a typed text stands for; false when it stands for none.
  bool Parse(const QString& text, int& value) const;
  QString Shown(int value, int digits) const;
  bool TakesTypedText() const;
  void ClearRefused();

  FieldFormat format_;
  bool refused_ = false;
};

}  // namespace pixmora::app
