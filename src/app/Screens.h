#pragma once

#include <QObject>

class QWidget;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmPassword;

// Owns the persistent windows and moves the user between them: show one, hide the other. The
// windows know nothing of each other; every hand-over is connected here.
class Screens : public QObject
{
    Q_OBJECT
public:
    Screens();
    ~Screens() override;

    // Shows the password window, the only one visible at start.
    void start();

    TfrmPassword* frmPassword() const { return m_password; }
    TfrmCambiaPassword* frmCambiaPassword() const { return m_changePassword; }
    TfrmAvvio* frmAvvio() const { return m_menu; }

signals:
    void programEnded();

private:
    void showInstead(QWidget* shown, QWidget* hidden);
    void endProgram();

    TfrmPassword* m_password;
    TfrmAvvio* m_menu;
    TfrmCambiaPassword* m_changePassword;
};
