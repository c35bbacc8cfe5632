#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;

// The access window, the only one shown at start-up.
class TfrmPassword : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget* parent = nullptr);

    // Back from the password change: an empty field with the focus in it.
    void resetField();

    QLabel* imgLogo;
    QLabel* lblRigo05;
    QLineEdit* txtPassword;
    QFrame* effPassword;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;
    QPushButton* btnCambiaPassword;

signals:
    void accepted();
    void changeRequested();
    void exitRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateOk();
    void cmdOKClick();
};
