#include "Dates.h"

#include "ShortString.h"

namespace {

// The number made of the digits text[from, to), or -1 when it holds anything else.
int digits(const QString& text, int from, int to)
{
    int value = 0;
    for (int i = from; i < to; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

namespace Dates {

QDate parse(const QString& text)
{
    const QString t = ShortString::trimmed(text);
    const int first = int(t.indexOf(QLatin1Char('/')));
    const int second = first < 0 ? -1 : int(t.indexOf(QLatin1Char('/'), first + 1));
    if (second < 0)
        return QDate();
    const int dayLength = first;
    const int monthLength = second - first - 1;
    const int yearLength = int(t.size()) - second - 1;
    if (dayLength < 1 || dayLength > 2 || monthLength < 1 || monthLength > 2 || yearLength != 4)
        return QDate();
    const int day = digits(t, 0, first);
    const int month = digits(t, first + 1, second);
    const int year = digits(t, second + 1, int(t.size()));
    if (day < 0 || month < 0 || year < 0)
        return QDate();
    return QDate(year, month, day);
}

bool isValid(const QString& text)
{
    return parse(text).isValid();
}

QString format(const QDate& date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace Dates
