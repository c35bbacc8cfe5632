#include "ShortString.h"

#include "Windows1252.h"

#include <cstring>

namespace ShortString {

const QString kYes = QStringLiteral("S\u00EC");
const QString kNo = QStringLiteral("No");

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

QString trimmed(const QString& text)
{
    const QStringView kept = trimmed(QStringView(text));
    return kept.size() == text.size() ? text : kept.toString();
}

namespace {

QString shiftCase(const QString& text, char16_t from, char16_t to)
{
    QString shifted = text;
    for (QChar& c : shifted) {
        if (c.unicode() >= from && c.unicode() <= from + 25)
            c = QChar(char16_t(c.unicode() - from + to));
    }
    return shifted;
}

} // namespace

QString upperAToZ(const QString& text)
{
    return shiftCase(text, u'a', u'A');
}

QString lowerAToZ(const QString& text)
{
    return shiftCase(text, u'A', u'a');
}

qsizetype store(QStringView text, char* field, int capacity)
{
    const qsizetype characters = Windows1252::encodeInto(field + 1, capacity, trimmed(text));
    const int length = int(std::min<qsizetype>(characters, capacity));
    field[0] = static_cast<char>(length);
    std::memset(field + 1 + length, 0, size_t(capacity - length));
    return characters;
}

QString load(const char* field, int capacity)
{
    const int length = std::min(int(static_cast<unsigned char>(field[0])), capacity);
    return trimmed(Windows1252::decode(field + 1, length));
}

} // namespace ShortString
