#include "ShortString.h"

#include "Windows1252.h"

#include <cstring>

namespace ShortString {

const QString kYes = QStringLiteral("S\u00EC");
const QString kNo = QStringLiteral("No");

QString trimmed(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    if (begin == 0 && end == text.size())
        return text;
    return text.mid(begin, end - begin);
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

void store(const QString& text, char* field, int capacity)
{
    const QByteArray bytes = Windows1252::encode(trimmed(text));
    const int length = std::min(int(bytes.size()), capacity);
    field[0] = static_cast<char>(length);
    std::memcpy(field + 1, bytes.constData(), size_t(length));
    std::memset(field + 1 + length, 0, size_t(capacity - length));
}

QString load(const char* field, int capacity)
{
    const int length = std::min(int(static_cast<unsigned char>(field[0])), capacity);
    return trimmed(Windows1252::decode(field + 1, length));
}

} // namespace ShortString
