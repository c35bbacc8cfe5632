#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The ANSI code page of the Italian systems the archives come from. One byte per character both
// ways; a character the code page cannot hold is written as '?'.
namespace Windows1252 {

// Decodes length bytes into out, which has room for them: one character per byte.
void decodeInto(QChar* out, const char* bytes, qsizetype length);

QString decode(const char* bytes, int length);
inline QString decode(const QByteArray& bytes)
{
    return decode(bytes.constData(), int(bytes.size()));
}

QByteArray encode(const QString& text);
// Encodes the text into out, writing at most room bytes; the number of characters the text has,
// which is more than room when it did not all fit.
qsizetype encodeInto(char* out, qsizetype room, QStringView text);

// The byte a character becomes, or '?' when the code page has no such character.
char encodeChar(char16_t c);

} // namespace Windows1252
