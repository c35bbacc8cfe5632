#pragma once

#include <QList>
#include <QObject>

class CardScreen;
class LoanDesk;
class TfrmMenuPrestiti;
class TfrmMenuRiepilogoPrestiti;
class TfrmStatistiche;
class TfrmMenuCatalogo;
class TfrmTessera;
class QWidget;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmPassword;

// Owns the persistent windows and moves the user between them: show one, hide the other. The
// windows know nothing of each other; every hand-over is connected here.
class Screens : public QObject {
    Q_OBJECT
public:
    Screens();
    ~Screens() override;

    // Shows the password window, the only one visible at start.
    void start();

    TfrmPassword* frmPassword() const { return m_password; }
    TfrmCambiaPassword* frmCambiaPassword() const { return m_changePassword; }
    TfrmAvvio* frmAvvio() const { return m_menu; }
    // The work screens, built the first time they are opened and kept from then on.
    CardScreen* frmAnagrafica();
    TfrmTessera* frmTessera();
    CardScreen* frmLibri();
    CardScreen* frmDVD();
    TfrmMenuPrestiti* frmMenuPrestiti();
    LoanDesk* frmPrestiti();
    LoanDesk* frmRestituzioni();
    TfrmMenuRiepilogoPrestiti* frmMenuRiepilogoPrestiti();
    TfrmStatistiche* frmStatistiche();
    TfrmMenuCatalogo* frmMenuCatalogo();
    CardScreen* frmConsultaLibri();
    CardScreen* frmConsultaDVD();

signals:
    void programEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openConsultation();
    // Every persistent window but the consultation's (null while not built yet).
    QList<QWidget*> managementWindows() const;
    void showInstead(QWidget* shown, QWidget* hidden);
    void showMaximizedInstead(QWidget* shown, QWidget* hidden);
    void endProgram();
    void openArea(int area);
    void openWork(QWidget* screen);
    // Connects a work screen's closing back to the main menu.
    template <class Screen> Screen* adopt(Screen* screen);

    TfrmPassword* m_password;
    TfrmAvvio* m_menu;
    TfrmCambiaPassword* m_changePassword;
    CardScreen* m_members = nullptr;
    TfrmTessera* m_cards = nullptr;
    CardScreen* m_books = nullptr;
    CardScreen* m_dvds = nullptr;
    TfrmMenuPrestiti* m_loanMenu = nullptr;
    LoanDesk* m_lending = nullptr;
    LoanDesk* m_returns = nullptr;
    TfrmMenuRiepilogoPrestiti* m_summaryMenu = nullptr;
    TfrmStatistiche* m_statistics = nullptr;
    TfrmMenuCatalogo* m_catalogueMenu = nullptr;
    CardScreen* m_consultBooks = nullptr;
    CardScreen* m_consultDvds = nullptr;
};
