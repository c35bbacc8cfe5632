#include "UserPlay.h"

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

// The watchers alive, the newest last: only the newest plays, so that a window opened by a step
// that watches for its own windows is not played twice.
QList<ModalWatcher*> g_watchers;

} // namespace

ModalWatcher::ModalWatcher(std::function<void(QWidget*)> handler)
    : m_handler(std::move(handler))
    , m_timer(startTimer(20))
{
    g_watchers << this;
}

ModalWatcher::~ModalWatcher()
{
    g_watchers.removeOne(this);
    killTimer(m_timer);
}

void ModalWatcher::timerEvent(QTimerEvent*)
{
    if (g_watchers.last() != this)
        return;
    QWidget* window = QApplication::activePopupWidget();
    if (!window)
        window = QApplication::activeModalWidget();
    if (!window || m_seen.contains(window))
        return;
    m_seen << window;
    // Handled from the event loop, not from inside this timer: the handler may open a window of
    // its own, which this timer must see too.
    QTimer::singleShot(0, this, [this, guarded = QPointer<QWidget>(window)] {
        if (guarded)
            m_handler(guarded);
    });
}

void answerYes(QWidget* box)
{
    if (auto* message = qobject_cast<QMessageBox*>(box)) {
        for (QAbstractButton* button : message->buttons()) {
            const QMessageBox::ButtonRole role = message->buttonRole(button);
            if (role == QMessageBox::YesRole || role == QMessageBox::AcceptRole) {
                button->click();
                return;
            }
        }
    }
    box->close();
}

namespace {

// Whatever editor is open on the dialog's list takes a new name.
void renameInEditor(QListView* view)
{
    if (auto* editor = view->viewport()->findChild<QLineEdit*>()) {
        editor->setText(QStringLiteral("Rinominato"));
        QTest::keyClick(editor, Qt::Key_Return);
        // The name is committed from the event loop.
        QTest::qWait(50);
    }
}

} // namespace

void tryToChangeFiles(QFileDialog& dialog, const QString& file, const QString& folder)
{
    auto* model = dialog.findChild<QFileSystemModel*>(QStringLiteral("qt_filesystem_model"));
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    QVERIFY(model && view);
    dialog.setViewMode(QFileDialog::List);
    dialog.setDirectory(QFileInfo(file).absolutePath());
    // The list may show the files through a proxy of the dialog's model.
    auto* proxy = qobject_cast<QAbstractProxyModel*>(view->model());
    const auto select = [&] {
        const QModelIndex index = proxy ? proxy->mapFromSource(model->index(file)) : model->index(file);
        view->setCurrentIndex(index);
        view->selectionModel()->select(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return index;
    };
    QTRY_VERIFY(select().isValid() && view->visualRect(select()).isValid());

    QList<QAction*> offered;
    ModalWatcher watcher([&offered](QWidget* window) {
        if (auto* menu = qobject_cast<QMenu*>(window)) {
            for (QAction* action : menu->actions()) {
                if (action->isEnabled() && !action->isSeparator() && !action->isCheckable())
                    offered << action;
            }
            menu->close();
            return;
        }
        answerYes(window);
    });

    select();
    QTest::keyClick(view, Qt::Key_Delete);
    QTest::qWait(100);
    if (QFileInfo::exists(file)) {
        select();
        QTest::keyClick(view, Qt::Key_F2);
        renameInEditor(view);
    }
    if (QFileInfo::exists(file)) {
        const QModelIndex index = select();
        emit view->customContextMenuRequested(view->visualRect(index).center());
        QTest::qWait(100);
        for (QAction* action : std::as_const(offered)) {
            select();
            action->trigger();
            QTest::qWait(100);
            renameInEditor(view);
        }
    }
    if (auto* newFolder = dialog.findChild<QToolButton*>(QStringLiteral("newFolderButton"))) {
        newFolder->click();
        renameInEditor(view);
    }
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(file)});
    model->dropMimeData(&dragged, Qt::MoveAction, -1, -1, model->index(folder));
}
