#include "ListFind.h"

#include "ShortString.h"
#include "Windows1252.h"

#include <optional>
#include <string>

namespace {

char lowered(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

// The key in the lines' own bytes, or nothing when it holds a character no line can hold.
std::optional<std::string> bytesOf(const QString& key)
{
    std::string bytes;
    for (const QChar c : key) {
        const char byte = Windows1252::encodeChar(c.unicode());
        if (c.isSurrogate() || (byte == '?' && c != QLatin1Char('?')))
            return std::nullopt;
        bytes.push_back(byte);
    }
    return bytes;
}

// The first of the lines from `from` to `to` (not included) that holds the key, already lowered
// (A-Z), with the A-Z letters of the lines compared lowered; -1 when none does. The lines are
// searched where they lie, end to end: the first character of the key is looked for with the
// library's vectorised search in both of its cases, and a match that runs past the end of its
// line is none.
qsizetype firstHolding(const LineStore& lines, qsizetype from, qsizetype to, std::string_view key)
{
    if (from >= to)
        return -1;
    const std::string_view text = lines.bytes().substr(0, size_t(lines.endOf(to - 1)));
    const char first = key.front();
    const char other = first >= 'a' && first <= 'z' ? char(first - ('a' - 'A')) : first;
    const std::string_view rest = key.substr(1);
    const size_t begin = from == 0 ? 0 : size_t(lines.endOf(from - 1));
    size_t nextFirst = text.find(first, begin);
    size_t nextOther = other == first ? std::string_view::npos : text.find(other, begin);
    while (nextFirst != std::string_view::npos || nextOther != std::string_view::npos) {
        const size_t at = std::min(nextFirst, nextOther);
        if (at + key.size() > text.size())
            return -1;
        size_t i = 0;
        while (i < rest.size() && lowered(text[at + 1 + i]) == rest[i])
            ++i;
        if (i == rest.size()) {
            const qsizetype line = lines.lineOf(qsizetype(at));
            if (qsizetype(at + key.size()) <= lines.endOf(line))
                return line;
        }
        if (at == nextFirst)
            nextFirst = text.find(first, at + 1);
        else
            nextOther = text.find(other, at + 1);
    }
    return -1;
}

} // namespace

int findInList(const LineStore& lines, int selected, const QString& key, QString& memory)
{
    const int count = int(lines.size());
    if (count == 0)
        return -1;
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString loweredKey = ShortString::lowerAToZ(key);
    const bool sameKey = loweredKey == memory;
    memory = loweredKey;
    const std::optional<std::string> bytes = bytesOf(loweredKey);
    if (loweredKey.isEmpty() || !bytes)
        return selected;

    // A new key tests the first line first; the same key tests the lines after the selected one,
    // and then, wrapping round, the lines up to it.
    const qsizetype start = sameKey ? selected + 1 : 0;
    qsizetype found = firstHolding(lines, start, count, *bytes);
    if (found < 0)
        found = firstHolding(lines, 0, start, *bytes);
    return found < 0 ? selected : int(found);
}
