#include "Dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QList>

namespace {

bool g_testing = false;
QList<QString> g_files;
QList<std::optional<QString>> g_texts;

} // namespace

QString Dialogs::openFile(QWidget* parent, const QString& title, const QString& filter)
{
    if (g_testing)
        return g_files.isEmpty() ? QString() : g_files.takeFirst();
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

std::optional<QString> Dialogs::askText(QWidget* parent, const QString& title, const QString& label, const QString& value)
{
    if (g_testing)
        return g_texts.isEmpty() ? std::nullopt : g_texts.takeFirst();
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void Dialogs::startTesting()
{
    g_testing = true;
    g_files.clear();
    g_texts.clear();
}

void Dialogs::stopTesting()
{
    g_testing = false;
    g_files.clear();
    g_texts.clear();
}

void Dialogs::scriptFile(const QString& path)
{
    g_files.append(path);
}

void Dialogs::scriptText(std::optional<QString> text)
{
    g_texts.append(text);
}
