#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The password change window.
class TfrmCambiaPassword : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);

    QLabel* imgLogo;
    QLineEdit* txtPasswordOld;
    QLineEdit* txtPasswordNew;
    QLineEdit* txtConferma;
    QFrame* effPasswordOld;
    QFrame* effPasswordNew;
    QFrame* effConferma;
    QPushButton* cmdEsci;
    QPushButton* cmdOK;

signals:
    // "Chiudi", or a completed change.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateOk();
    void cmdOKClick();
    void refuseNew(const QString& message);
};
