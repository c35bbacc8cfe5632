#pragma once

#include <QDate>
#include <QString>

// The one date form of the program: day/month/year with '/', one or two digits for day and month,
// four for the year, naming a day that exists.
namespace Dates {

// The day the text names, or an invalid date. Blanks around the text are ignored.
QDate parse(const QString& text);
bool isValid(const QString& text);
// "dd/mm/yyyy".
QString format(const QDate& date);

} // namespace Dates
