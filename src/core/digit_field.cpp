#include "core/digit_field.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

void acceptDigitsOnly(QLineEdit* field) {
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    field->setValidator(new QRegularExpressionValidator(digits, field));
}
