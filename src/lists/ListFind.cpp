#include "ListFind.h"

#include "ShortString.h"

using ShortString::lowerAToZ;

int findInList(const QStringList& lines, int selected, const QString& key, QString& memory)
{
    const int count = int(lines.size());
    if (count == 0)
        return -1;
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString lowered = lowerAToZ(key);
    const bool sameKey = lowered == memory;
    memory = lowered;
    if (lowered.isEmpty())
        return selected;

    // A new key tests the first line first; the same key tests the lines after the selected one.
    const int start = sameKey ? selected + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int i = (start + step) % count;
        if (lowerAToZ(lines.at(i)).contains(lowered))
            return i;
    }
    return selected;
}
