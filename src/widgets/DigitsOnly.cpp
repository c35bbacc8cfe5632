#include "DigitsOnly.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

void digitsOnly(QLineEdit* edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}
