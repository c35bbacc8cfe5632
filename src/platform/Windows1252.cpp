#include "Windows1252.h"

namespace {

// Characters of the bytes 0x80-0x9F. The five bytes the code page leaves unassigned map to the
// control character of the same number, as Windows itself does, so they survive a round trip.
constexpr char16_t kHigh[32] = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

// The character of every byte, for decoding without a branch per byte.
struct DecodeTable {
    char16_t of[256];
    constexpr DecodeTable()
        : of()
    {
        for (int b = 0; b < 256; ++b)
            of[b] = (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : char16_t(b);
    }
};
constexpr DecodeTable kDecode;

} // namespace

namespace Windows1252 {

void decodeInto(QChar* out, const char* bytes, qsizetype length)
{
    for (qsizetype i = 0; i < length; ++i)
        out[i] = QChar(kDecode.of[static_cast<unsigned char>(bytes[i])]);
}

QString decode(const char* bytes, int length)
{
    QString text(length, Qt::Uninitialized);
    decodeInto(text.data(), bytes, length);
    return text;
}

char encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

qsizetype encodeInto(char* out, qsizetype room, QStringView text)
{
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++characters) {
        const QChar c = text.at(i);
        // A character outside the basic plane is one '?', not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        if (characters < room)
            out[characters] = c.isSurrogate() ? '?' : encodeChar(c.unicode());
    }
    return characters;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bytes.truncate(encodeInto(bytes.data(), bytes.size(), text));
    return bytes;
}

} // namespace Windows1252
