#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class LinkLabel;

// The shared help window: a topic's title and text, a link to the user guide, "Chiudi".
class TfrmGuida : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* owner);

    // Shows the help of a topic in a new window owned by the screen, and destroys it on close.
    static void showTopic(QWidget* owner, const QString& topic);

    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
    LinkLabel* lnkWeb;
    QPushButton* btnChiudi;

private:
    void lnkWebClick();
};
