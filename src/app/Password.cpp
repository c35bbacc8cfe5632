#include "Password.h"

#include "IniFile.h"
#include "ProgramFolder.h"
#include "ShortString.h"

namespace {

constexpr quint16 kStart = 4093;
constexpr quint16 kMultiplier = 30517;
constexpr quint16 kIncrement = 28403;
constexpr int kMaxLength = 255;

const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");

quint16 advance(quint16 state, quint8 b)
{
    return quint16((quint32(b) + state) * kMultiplier + kIncrement);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

namespace Password {

std::optional<QString> encipher(const QString& text)
{
    if (text.size() > kMaxLength)
        return std::nullopt;
    static const char digits[] = "0123456789ABCDEF";
    QString hex;
    hex.reserve(text.size() * 2);
    quint16 state = kStart;
    for (const QChar c : text) {
        if (c.unicode() < 1 || c.unicode() > 255)
            return std::nullopt;
        const quint8 b = quint8(c.unicode() ^ (state >> 8));
        hex.append(QLatin1Char(digits[b >> 4]));
        hex.append(QLatin1Char(digits[b & 0xF]));
        state = advance(state, b);
    }
    return hex;
}

std::optional<QString> decipher(const QString& hex)
{
    const int pairs = int(hex.size() / 2);
    QString text;
    text.reserve(pairs);
    quint16 state = kStart;
    for (int i = 0; i < pairs; ++i) {
        const int high = hexDigit(hex.at(2 * i));
        const int low = hexDigit(hex.at(2 * i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        const quint8 b = quint8(high * 16 + low);
        text.append(QChar(char16_t(b ^ (state >> 8))));
        state = advance(state, b);
    }
    return text;
}

QString normalised(const QString& typed)
{
    return ShortString::trimmed(ShortString::upperAToZ(typed));
}

QString filePath()
{
    return ProgramFolder::file(QStringLiteral("unins000.dll"));
}

std::optional<QString> readStored()
{
    const auto value = IniFile(filePath()).read(kSection, kKey);
    if (!value)
        return std::nullopt;
    const auto text = decipher(*value);
    if (!text)
        return std::nullopt;
    return ShortString::trimmed(*text);
}

bool writeStored(const QString& password)
{
    const auto hex = encipher(normalised(password));
    return hex && IniFile(filePath()).write(kSection, kKey, *hex);
}

} // namespace Password
