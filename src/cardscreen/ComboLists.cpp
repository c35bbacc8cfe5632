#include "ComboLists.h"

#include <QFile>

namespace {

QStringList read(const QString& name)
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

} // namespace

namespace ComboLists {

QStringList bookGenres()
{
    static const QStringList items = read(QStringLiteral("generi_libri.txt"));
    return items;
}

QStringList dvdGenres()
{
    static const QStringList items = read(QStringLiteral("generi_dvd.txt"));
    return items;
}

QStringList languages()
{
    static const QStringList items = read(QStringLiteral("lingue.txt"));
    return items;
}

} // namespace ComboLists
