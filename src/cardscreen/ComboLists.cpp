#include "ComboLists.h"

#include <QFile>

namespace ComboLists {

QStringList fixedList(const QString& name)
{
    QFile file(QStringLiteral(":/lists/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList items;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            items << line.trimmed();
    }
    return items;
}

QStringList bookGenres()
{
    static const QStringList items = fixedList(QStringLiteral("generi_libri.txt"));
    return items;
}

QStringList dvdGenres()
{
    static const QStringList items = fixedList(QStringLiteral("generi_dvd.txt"));
    return items;
}

QStringList languages()
{
    static const QStringList items = fixedList(QStringLiteral("lingue.txt"));
    return items;
}

QStringList provinces()
{
    static const QStringList items = fixedList(QStringLiteral("province.txt"));
    return items;
}

} // namespace ComboLists
