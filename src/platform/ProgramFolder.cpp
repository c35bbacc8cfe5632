#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString g_folder;

} // namespace

QString ProgramFolder::path()
{
    QString folder = g_folder.isEmpty() ? QCoreApplication::applicationDirPath() : g_folder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString ProgramFolder::file(const QString& name)
{
    return path() + name;
}

void ProgramFolder::setPath(const QString& folder)
{
    g_folder = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
}
