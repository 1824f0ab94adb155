#include "app/value_field.h"

#include <QScrollBar>

#include "core/numeric.h"

namespace pixmora::app {

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
}

QString ValueField::textFromValue(int value) const {
  const double shown = static_cast<double>(value) * format_.multiply / format_.divide;
  const QString number = format_.decimals > 0
                             ? QString::number(shown, 'f', format_.decimals)
                             : QStringLiteral("%1").arg(static_cast<int>(RoundHalfEven(shown)),
                                                        format_.digits, 10, QChar('0'));
  return number + format_.suffix;
}

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

QValidator::State ValueField::validate(QString& text, int&) const {
  int v;
  if (Parse(text, v)) return QValidator::Acceptable;
  // Half-typed: digits, a point, the suffix, or nothing yet.
  static const QRegularExpression partial(QStringLiteral("^\\s*\\d{0,3}([.,]\\d{0,2})?\\s*%?\\s*$"));
  return partial.match(text).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
}

}  // namespace pixmora::app
