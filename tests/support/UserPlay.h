#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QFileDialog;
class QWidget;

// Plays the user on the windows that Qt opens modally on its own (message boxes, file dialogs,
// property sheets, menus): each new one is handed to the handler, which closes it. Watches for as
// long as it lives; while a newer watcher lives, that one plays instead.
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> handler);
    ~ModalWatcher() override;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    std::function<void(QWidget*)> m_handler;
    QList<QPointer<QWidget>> m_seen;
    int m_timer;
};

// Answers a question or a warning as the user who wants it done: "Sì", "OK", "Salva".
void answerYes(QWidget* box);

// Tries every way a file dialog gives to change files on `file`, a file of the folder it shows:
// Delete, F2 and a new name, each entry of its context menu, the new-folder button, dropping the
// file on the subfolder `folder` of the same folder. Every question is answered yes.
void tryToChangeFiles(QFileDialog& dialog, const QString& file, const QString& folder);
