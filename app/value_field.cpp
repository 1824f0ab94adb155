#include "app/value_field.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include "core/numeric.h"

namespace pixmora::app {

namespace {
// A red frame, whatever the colour scheme.
const QString kRefusedLook = QStringLiteral("QSpinBox { border: 2px solid #d01b24; }");
}  // namespace

ValueField::ValueField(const QString& name, QScrollBar* bar, FieldFormat format, QWidget* parent)
    : QSpinBox(parent), format_(std::move(format)) {
  setObjectName(name);
  setRange(bar->minimum(), bar->maximum());
  setValue(bar->value());
  setButtonSymbols(QAbstractSpinBox::NoButtons);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The bar moves when the typing is done (Enter or leaving the field), not
  // at every digit.
  setKeyboardTracking(false);
  setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 12);
  connect(bar, &QScrollBar::valueChanged, this, &QSpinBox::setValue);
  connect(this, &QSpinBox::valueChanged, bar, &QScrollBar::setValue);
  connect(this, &QSpinBox::valueChanged, this, &ValueField::ClearRefused);
  connect(lineEdit(), &QLineEdit::textEdited, this, &ValueField::ClearRefused);
}

QString ValueField::Shown(int value, int digits) const {
  const double shown = static_cast<double>(value) * format_.multiply / format_.divide;
  const QString number = format_.decimals > 0
                             ? QString::number(shown, 'f', format_.decimals)
                             : QStringLiteral("%1").arg(static_cast<int>(RoundHalfEven(shown)), digits, 10,
                                                        QChar('0'));
  return number + format_.suffix;
}

QString ValueField::textFromValue(int value) const { return Shown(value, format_.digits); }

QString ValueField::Bound(int value) const { return Shown(value, 0); }

bool ValueField::Parse(const QString& text, int& value) const {
  QString number = text.trimmed();
  if (!format_.suffix.isEmpty() && number.endsWith(format_.suffix)) number.chop(format_.suffix.size());
  bool ok = false;
  const double shown = number.trimmed().toDouble(&ok);
  if (!ok) return false;
  value = static_cast<int>(RoundHalfEven(shown * format_.divide / format_.multiply));
  return value >= minimum() && value <= maximum();
}

int ValueField::valueFromText(const QString& text) const {
  int v = value();
  return Parse(text, v) ? v : value();
}

// Anything may be typed; what stands for no value is refused when the typing
// is done, with the reason, rather than swallowed key by key.
QValidator::State ValueField::validate(QString& text, int&) const {
  int v;
  return Parse(text, v) ? QValidator::Acceptable : QValidator::Intermediate;
}

bool ValueField::TakesTypedText() const {
  int v;
  return Parse(lineEdit()->text(), v);
}

// Enter on a refused text keeps it, selected, to be typed over.
void ValueField::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter || TakesTypedText()) return QSpinBox::keyPressEvent(event);
  selectAll();
  emit refused();
}

// Leaving the field puts the bar's value back in it; the mark stays.
void ValueField::focusOutEvent(QFocusEvent* event) {
  if (!TakesTypedText()) emit refused();
  QSpinBox::focusOutEvent(event);
}

void ValueField::ShowRefused(const QString& why) {
  refused_ = true;
  setStyleSheet(kRefusedLook);
  setAccessibleDescription(why);
}

void ValueField::ClearRefused() {
  if (!refused_) return;
  refused_ = false;
  setStyleSheet(QString());
  setAccessibleDescription(QString());
}

}  // namespace pixmora::app
