#pragma once

#include <QDialog>

class LinkLabel;
class QLabel;
class QPushButton;

// "Informazioni su Lettoria 3.0": the logo, what the program is, and the maker's mail link.
class TfrmInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* owner);

    // The mail link's command, before it is quoted.
    static QString mailCommand();

    QLabel* imgLogo;
    QLabel* imgInfo;
    LinkLabel* lnkWeb;
    QPushButton* btnChiudi;

private:
    void lnkWebClick();
};
