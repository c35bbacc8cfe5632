#pragma once

#include <QDialog>

class LinkLabel;
class QLabel;
class QPushButton;

// The credits window, with the link to the maker's web site.
class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* owner);

    QLabel* imgLogo;
    LinkLabel* lnkWeb;
    QPushButton* btnChiudi;
};
