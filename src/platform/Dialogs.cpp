#include "Dialogs.h"

#include "Modal.h"
#include "VisitorMode.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QLabel>
#include <QList>
#include <QSplitter>
#include <QTreeView>

namespace {

bool g_testing = false;
QList<QString> g_files;
QList<std::optional<QString>> g_texts;
constexpr QSize kFileDialogSize(860, 520);
constexpr int kPlacesWidth = 150;
// Room in a title bar beside its text: the window's icon, its buttons and their margins.
constexpr int kTitleBarButtons = 160;

// Visitors are shown no file dialog; in tests a scripted answer comes first.
std::optional<QString> answerWithoutDialog()
{
    if (VisitorMode::isOn())
        return QString();
    if (g_testing && !g_files.isEmpty())
        return g_files.takeFirst();
    return std::nullopt;
}

// Qt's list of files writes sizes and dates in the system's language ("3 bytes", "10 Jun 2015"):
// the program writes them in Italian whatever the system speaks.
class ItalianFileList : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || role != Qt::DisplayRole)
            return QIdentityProxyModel::data(index, role);
        const QLocale italian(QLocale::Italian, QLocale::Italy);
        const QModelIndex file = mapToSource(index);
        if (index.column() == kSizeColumn && !files->isDir(file))
            return italian.formattedDataSize(files->size(file), 1, QLocale::DataSizeTraditionalFormat);
        if (index.column() == kDateColumn)
            return italian.toString(files->lastModified(file), QStringLiteral("dd/MM/yyyy HH:mm"));
        return QIdentityProxyModel::data(index, role);
    }

private:
    // The columns of QFileSystemModel.
    static constexpr int kSizeColumn = 1;
    static constexpr int kDateColumn = 3;
};

// Qt's own dialog, whose read-only mode holds on every platform (a native dialog lets the user
// delete and rename files whatever it is asked). Read-only: no delete, rename or new folder, and
// no file moved by dragging.
QString chooseFile(QFileDialog& dialog)
{
    dialog.setObjectName(QStringLiteral("dlgFile"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.setProxyModel(new ItalianFileList(&dialog));
    // Room for the places beside the list and for whole sizes, types and dates in it.
    dialog.resize(kFileDialogSize);
    if (auto* places = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
        places->setSizes({kPlacesWidth, kFileDialogSize.width() - kPlacesWidth});
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
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

std::optional<QString> Dialogs::askNumber(
    QWidget* parent, const QString& title, const QString& label, int value)
{
    if (g_testing && !g_texts.isEmpty())
        return g_texts.takeFirst();
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgNumero"));
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, 999);
    dialog.setIntValue(value);
    // The window manager draws the title in bold, between the window's icon and its buttons; the
    // dialog's layout fixes its width, so the width is asked of the caption above the field.
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    if (auto* caption = dialog.findChild<QLabel*>())
        caption->setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarButtons);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return QString::number(dialog.intValue());
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
