#include "Dialogs.h"

#include "Modal.h"
#include "VisitorMode.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QList>

namespace {

bool g_testing = false;
QList<QString> g_files;
QList<std::optional<QString>> g_texts;

// Visitors are shown no file dialog; in tests a scripted answer comes first.
std::optional<QString> answerWithoutDialog()
{
    if (VisitorMode::isOn())
        return QString();
    if (g_testing && !g_files.isEmpty())
        return g_files.takeFirst();
    return std::nullopt;
}

// Qt's own dialog, whose read-only mode holds on every platform (a native dialog lets the user
// delete and rename files whatever it is asked). Read-only: no delete, rename or new folder, and
// no file moved by dragging.
QString chooseFile(QFileDialog& dialog)
{
    dialog.setObjectName(QStringLiteral("dlgFile"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace

QString Dialogs::openFile(QWidget* parent, const QString& title, const QString& filter)
{
    if (const auto answer = answerWithoutDialog())
        return *answer;
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chooseFile(dialog);
}

QString Dialogs::saveFile(QWidget* parent, const QString& title, const QString& path)
{
    if (const auto answer = answerWithoutDialog())
        return *answer;
    const QFileInfo proposed(path);
    QFileDialog dialog(parent, title, proposed.absolutePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(proposed.fileName());
    return chooseFile(dialog);
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
