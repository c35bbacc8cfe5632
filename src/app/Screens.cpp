#include "Screens.h"

#include "CatalogueScreen.h"
#include "TfrmAnagrafica.h"
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
    connect(m_menu, &TfrmAvvio::areaChosen, this, [this](TfrmAvvio::Area area) { openArea(int(area)); });
    m_menu->setAreaEnabled(TfrmAvvio::Area::Anagrafica, true);
    m_menu->setAreaEnabled(TfrmAvvio::Area::Libri, true);
    m_menu->setAreaEnabled(TfrmAvvio::Area::DVD, true);
}

Screens::~Screens()
{
    delete m_dvds;
    delete m_books;
    delete m_members;
    delete m_changePassword;
    delete m_menu;
    delete m_password;
}

template <class Screen> Screen* Screens::adopt(Screen* screen)
{
    connect(screen, &Screen::closed, this, [this, screen] { showInstead(m_menu, screen); });
    return screen;
}

CardScreen* Screens::frmAnagrafica()
{
    if (!m_members)
        m_members = adopt<CardScreen>(new TfrmAnagrafica);
    return m_members;
}

CardScreen* Screens::frmLibri()
{
    if (!m_books)
        m_books = adopt<CardScreen>(new TfrmLibri);
    return m_books;
}

CardScreen* Screens::frmDVD()
{
    if (!m_dvds)
        m_dvds = adopt<CardScreen>(new TfrmDVD);
    return m_dvds;
}

void Screens::openArea(int area)
{
    switch (TfrmAvvio::Area(area)) {
    case TfrmAvvio::Area::Anagrafica:
        openWork(frmAnagrafica());
        break;
    case TfrmAvvio::Area::Libri:
        openWork(frmLibri());
        break;
    case TfrmAvvio::Area::DVD:
        openWork(frmDVD());
        break;
    default:
        break;
    }
}

void Screens::openWork(QWidget* screen)
{
    screen->showMaximized();
    screen->raise();
    screen->activateWindow();
    m_menu->hide();
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
             static_cast<QWidget*>(m_password), static_cast<QWidget*>(m_members), static_cast<QWidget*>(m_books),
             static_cast<QWidget*>(m_dvds)}) {
        if (window)
            window->hide();
    }
    emit programEnded();
    QCoreApplication::quit();
}
