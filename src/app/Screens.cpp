#include "Screens.h"

#include "TfrmAvvio.h"
#include "TfrmCambiaPassword.h"
#include "TfrmPassword.h"

#include <QCoreApplication>

Screens::Screens()
    : m_password(new TfrmPassword)
    , m_menu(new TfrmAvvio)
    , m_changePassword(new TfrmCambiaPassword)
{
    connect(m_password, &TfrmPassword::accepted, this, [this] {
        m_menu->showMaximized();
        m_password->hide();
    });
    connect(m_password, &TfrmPassword::changeRequested, this,
            [this] { showInstead(m_changePassword, m_password); });
    connect(m_password, &TfrmPassword::exitRequested, this, &Screens::endProgram);
    connect(m_changePassword, &TfrmCambiaPassword::closed, this, [this] {
        showInstead(m_password, m_changePassword);
        m_password->resetField();
    });
    connect(m_menu, &TfrmAvvio::quitRequested, this, &Screens::endProgram);
}

Screens::~Screens()
{
    delete m_changePassword;
    delete m_menu;
    delete m_password;
}

void Screens::start()
{
    m_password->show();
}

void Screens::showInstead(QWidget* shown, QWidget* hidden)
{
    shown->show();
    shown->raise();
    shown->activateWindow();
    hidden->hide();
}

void Screens::endProgram()
{
    for (QWidget* window : {static_cast<QWidget*>(m_changePassword), static_cast<QWidget*>(m_menu),
                            static_cast<QWidget*>(m_password)})
        window->hide();
    emit programEnded();
    QCoreApplication::quit();
}
