#include "IdentifierChecks.h"

#include "ComboLists.h"

#include <QHash>

namespace {

// The values of the characters in the odd positions of a tax code, for 0-9 and then A-Z.
constexpr int kOddDigits[10] = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21};
constexpr int kOddLetters[26]
    = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isLetter(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

int digit(QChar c)
{
    return c.unicode() - u'0';
}

const QHash<QString, QString>& vatOffices()
{
    static const QHash<QString, QString> offices = [] {
        QHash<QString, QString> table;
        for (const QString& line : ComboLists::fixedList(QStringLiteral("uffici_iva.txt")))
            table.insert(line.left(3), line.mid(4));
        return table;
    }();
    return offices;
}

} // namespace

namespace IdentifierChecks {

bool taxCodeValid(const QString& code)
{
    if (code.size() != 16)
        return false;
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const QChar c = code.at(i);
        if (!isDigit(c) && !isLetter(c))
            return false;
        const int value = isDigit(c) ? digit(c) : c.unicode() - u'A';
        // Positions are counted from 1: index 0 is an odd position.
        sum += i % 2 == 0 ? (isDigit(c) ? kOddDigits[value] : kOddLetters[value]) : value;
    }
    return code.at(15) == QChar(char16_t(u'A' + sum % 26));
}

bool vatNumberValid(const QString& number)
{
    if (number.size() != 11 || !std::all_of(number.begin(), number.end(), isDigit))
        return false;
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        const int d = digit(number.at(i));
        sum += i % 2 == 0 ? d : (2 * d < 10 ? 2 * d : 2 * d - 9);
    }
    const int check = sum % 10 == 0 ? 0 : 10 - sum % 10;
    return digit(number.at(10)) == check;
}

QString vatOffice(const QString& number)
{
    return vatOffices().value(number.mid(7, 3));
}

int cardType(const QString& number)
{
    QString digits;
    for (const QChar c : number.left(20)) {
        if (isDigit(c))
            digits.append(c);
    }
    const int length = int(digits.size());
    if (length == 0)
        return 0;
    // From the digit before the last leftwards, every second digit is doubled.
    int sum = 0;
    for (int position = length - 1; position >= 1; --position) {
        int d = digit(digits.at(position - 1));
        if ((length - 1 - position) % 2 == 0) {
            d *= 2;
            if (d >= 10)
                d -= 9;
        }
        sum += d;
    }
    const int check = sum % 10 == 0 ? 0 : 10 - sum % 10;
    if (digit(digits.at(length - 1)) != check)
        return 0;
    return digit(digits.at(0)) - 2;
}

QString cardBrand(const QString& trimmedNumber, int type)
{
    switch (type) {
    case 1: {
        const QString prefix = trimmedNumber.left(2);
        if (prefix == QLatin1String("30") || prefix == QLatin1String("36") || prefix == QLatin1String("38"))
            return QStringLiteral("Diner's Club / Carte Blanche");
        if (prefix == QLatin1String("34") || prefix == QLatin1String("37"))
            return QStringLiteral("American Express");
        if (prefix == QLatin1String("31") || prefix == QLatin1String("33") || prefix == QLatin1String("35"))
            return QStringLiteral("JCB");
        return QString();
    }
    case 2:
        return QStringLiteral("Visa");
    case 3:
        return QStringLiteral("MasterCard");
    case 4:
        return QStringLiteral("Discover");
    default:
        return QString();
    }
}

bool ibanValid(const QString& text)
{
    QString iban = text;
    iban.remove(QLatin1Char(' '));
    for (QChar& c : iban) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(char16_t(c.unicode() - (u'a' - u'A')));
    }
    const qsizetype word = iban.indexOf(QLatin1String("IBAN"));
    if (word >= 0)
        iban.remove(word, 4);
    iban = iban.mid(4) + iban.left(4);

    QString digits;
    for (const QChar c : iban) {
        if (isDigit(c))
            digits.append(c);
        else if (isLetter(c))
            digits.append(QString::number(c.unicode() - u'A' + 10));
        else
            return false;
    }
    if (digits.isEmpty())
        return false;
    // The remainder piece by piece, so that no value passes nine digits.
    QString remainder;
    qsizetype at = 0;
    while (at < digits.size()) {
        const qsizetype take = 9 - remainder.size();
        remainder += digits.mid(at, take);
        at += take;
        remainder = QString::number(remainder.toLongLong() % 97);
    }
    return remainder == QLatin1String("1");
}

} // namespace IdentifierChecks
