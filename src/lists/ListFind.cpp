#include "ListFind.h"

#include "ShortString.h"

namespace {

char16_t lowered(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// Whether the key, already lower-cased (A-Z), lies in the line with its A-Z letters lower-cased,
// compared in place. The first character of the key is looked for with Qt's vectorised search,
// in both of its cases.
bool containsLowered(QStringView line, QStringView key)
{
    const qsizetype last = line.size() - key.size();
    if (last < 0)
        return false;
    const QChar first = key.front();
    const QChar other = first.unicode() >= u'a' && first.unicode() <= u'z'
        ? QChar(char16_t(first.unicode() - (u'a' - u'A')))
        : first;
    const QStringView rest = key.mid(1);
    qsizetype nextFirst = line.indexOf(first);
    qsizetype nextOther = other == first ? -1 : line.indexOf(other);
    while (nextFirst >= 0 || nextOther >= 0) {
        const bool takeFirst = nextOther < 0 || (nextFirst >= 0 && nextFirst < nextOther);
        const qsizetype at = takeFirst ? nextFirst : nextOther;
        if (at > last)
            return false;
        qsizetype i = 0;
        while (i < rest.size() && lowered(line[at + 1 + i].unicode()) == rest[i].unicode())
            ++i;
        if (i == rest.size())
            return true;
        if (takeFirst)
            nextFirst = line.indexOf(first, at + 1);
        else
            nextOther = line.indexOf(other, at + 1);
    }
    return false;
}

} // namespace

int findInList(const QStringList& lines, int selected, const QString& key, QString& memory)
{
    const int count = int(lines.size());
    if (count == 0)
        return -1;
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString loweredKey = ShortString::lowerAToZ(key);
    const bool sameKey = loweredKey == memory;
    memory = loweredKey;
    if (loweredKey.isEmpty())
        return selected;

    // A new key tests the first line first; the same key tests the lines after the selected one.
    const int start = sameKey ? selected + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int i = (start + step) % count;
        if (containsLowered(lines.at(i), loweredKey))
            return i;
    }
    return selected;
}
