#include "Dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QList>

namespace {

bool g_testing = false;
QList<QString> g_files;
QList<std::optional<int>> g_numbers;

} // namespace

QString Dialogs::openFile(QWidget* parent, const QString& title, const QString& filter)
{
    if (g_testing)
        return g_files.isEmpty() ? QString() : g_files.takeFirst();
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

std::optional<int> Dialogs::askNumber(
    QWidget* parent, const QString& title, const QString& label, int value, int minimum, int maximum)
{
    if (g_testing)
        return g_numbers.isEmpty() ? std::nullopt : g_numbers.takeFirst();
    bool ok = false;
    const int number = QInputDialog::getInt(parent, title, label, value, minimum, maximum, 1, &ok);
    if (!ok)
        return std::nullopt;
    return number;
}

void Dialogs::startTesting()
{
    g_testing = true;
    g_files.clear();
    g_numbers.clear();
}

void Dialogs::stopTesting()
{
    g_testing = false;
    g_files.clear();
    g_numbers.clear();
}

void Dialogs::scriptFile(const QString& path)
{
    g_files.append(path);
}

void Dialogs::scriptNumber(std::optional<int> number)
{
    g_numbers.append(number);
}
