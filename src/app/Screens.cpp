#include "Screens.h"

#include "CatalogueScreen.h"
#include "Clock.h"
#include "TfrmAnagrafica.h"
#include "TfrmMenuCatalogo.h"
#include "TfrmMenuPrestiti.h"
#include "TfrmMenuRiepilogoPrestiti.h"
#include "TfrmStatistiche.h"
#include "TfrmPrestiti.h"
#include "TfrmRestituzioni.h"
#include "TfrmTessera.h"
#include "TfrmAvvio.h"
#include "TfrmCambiaPassword.h"
#include "TfrmPassword.h"
#include "VisitorMode.h"

#include <QApplication>
#include <QWindow>

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
}

Screens::~Screens()
{
    delete m_consultDvds;
    delete m_consultBooks;
    delete m_catalogueMenu;
    delete m_statistics;
    delete m_summaryMenu;
    delete m_returns;
    delete m_lending;
    delete m_loanMenu;
    delete m_dvds;
    delete m_books;
    delete m_members;
    delete m_cards;
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

TfrmTessera* Screens::frmTessera()
{
    if (!m_cards)
        m_cards = adopt<TfrmTessera>(new TfrmTessera);
    return m_cards;
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

TfrmMenuPrestiti* Screens::frmMenuPrestiti()
{
    if (m_loanMenu)
        return m_loanMenu;
    m_loanMenu = new TfrmMenuPrestiti;
    connect(m_loanMenu, &TfrmMenuPrestiti::closed, this, [this](const QString& choice) {
        if (choice == QLatin1String("prestiti")) {
            frmPrestiti()->setWindowTitle(
                QStringLiteral(" Lettoria 3.0 - Prestiti Libri e DVD anno ") + QString::number(Clock::today().year()));
            openWork(frmPrestiti());
        } else if (choice == QLatin1String("statistiche")) {
            openWork(frmStatistiche());
        } else if (choice == QLatin1String("storico")) {
            showInstead(frmMenuRiepilogoPrestiti(), m_loanMenu);
        } else if (choice == QLatin1String("restituzioni")) {
            frmRestituzioni()->setWindowTitle(QStringLiteral(" Lettoria 3.0 - Restituzioni Libri e DVD"));
            openWork(frmRestituzioni());
        } else {
            showInstead(m_menu, m_loanMenu);
        }
        m_loanMenu->hide();
    });
    return m_loanMenu;
}

TfrmMenuRiepilogoPrestiti* Screens::frmMenuRiepilogoPrestiti()
{
    if (!m_summaryMenu)
        m_summaryMenu = adopt<TfrmMenuRiepilogoPrestiti>(new TfrmMenuRiepilogoPrestiti);
    return m_summaryMenu;
}

TfrmMenuCatalogo* Screens::frmMenuCatalogo()
{
    if (m_catalogueMenu)
        return m_catalogueMenu;
    m_catalogueMenu = new TfrmMenuCatalogo;
    connect(m_catalogueMenu, &TfrmMenuCatalogo::catalogueChosen, this, [this](const QString& choice) {
        openWork(choice == QLatin1String("libri") ? frmConsultaLibri() : frmConsultaDVD());
        m_catalogueMenu->hide();
    });
    connect(m_catalogueMenu, &TfrmMenuCatalogo::programEndRequested, this, &Screens::endProgram);
    return m_catalogueMenu;
}

// The consultation screens close back to the consultation menu, never to the main menu.
CardScreen* Screens::frmConsultaLibri()
{
    if (!m_consultBooks) {
        m_consultBooks = new TfrmConsultaLibri;
        connect(m_consultBooks, &CardScreen::closed, this, [this] { showMaximizedInstead(frmMenuCatalogo(), m_consultBooks); });
    }
    return m_consultBooks;
}

CardScreen* Screens::frmConsultaDVD()
{
    if (!m_consultDvds) {
        m_consultDvds = new TfrmConsultaDVD;
        connect(m_consultDvds, &CardScreen::closed, this, [this] { showMaximizedInstead(frmMenuCatalogo(), m_consultDvds); });
    }
    return m_consultDvds;
}

TfrmStatistiche* Screens::frmStatistiche()
{
    if (!m_statistics)
        m_statistics = adopt<TfrmStatistiche>(new TfrmStatistiche);
    return m_statistics;
}

LoanDesk* Screens::frmPrestiti()
{
    if (!m_lending)
        m_lending = adopt<LoanDesk>(new TfrmPrestiti);
    return m_lending;
}

LoanDesk* Screens::frmRestituzioni()
{
    if (!m_returns)
        m_returns = adopt<LoanDesk>(new TfrmRestituzioni);
    return m_returns;
}

void Screens::openArea(int area)
{
    switch (TfrmAvvio::Area(area)) {
    case TfrmAvvio::Area::Anagrafica:
        openWork(frmAnagrafica());
        break;
    case TfrmAvvio::Area::Tessere:
        openWork(frmTessera());
        break;
    case TfrmAvvio::Area::Libri:
        openWork(frmLibri());
        break;
    case TfrmAvvio::Area::DVD:
        openWork(frmDVD());
        break;
    case TfrmAvvio::Area::Prestiti:
        showInstead(frmMenuPrestiti(), m_menu);
        break;
    case TfrmAvvio::Area::Catalogo:
        openConsultation();
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

void Screens::showMaximizedInstead(QWidget* shown, QWidget* hidden)
{
    shown->showMaximized();
    shown->raise();
    shown->activateWindow();
    hidden->hide();
}

void Screens::showInstead(QWidget* shown, QWidget* hidden)
{
    shown->show();
    shown->raise();
    shown->activateWindow();
    hidden->hide();
}

namespace {

// Without a native window there is nothing another program could map on the screen.
void dropNativeWindow(QWidget* window)
{
    if (window && window->windowHandle())
        window->windowHandle()->destroy();
}

} // namespace

// From the visitors' catalogue there is no way back: the program stays read-only until it ends,
// and the management windows stay hidden whoever asks to show them.
void Screens::openConsultation()
{
    VisitorMode::start();
    qApp->installEventFilter(this);
    showMaximizedInstead(frmMenuCatalogo(), m_menu);
    for (QWidget* window : managementWindows())
        dropNativeWindow(window);
}

bool Screens::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::ShowToParent) && watched->isWidgetType()
        && managementWindows().contains(static_cast<QWidget*>(watched))) {
        auto* window = static_cast<QWidget*>(watched);
        // Shown to no one, then hidden again as soon as the showing is over.
        if (type == QEvent::Show) {
            window->setAttribute(Qt::WA_DontShowOnScreen);
        } else {
            window->hide();
            dropNativeWindow(window);
        }
    }
    return QObject::eventFilter(watched, event);
}

QList<QWidget*> Screens::managementWindows() const
{
    return {m_password, m_changePassword, m_menu, m_members, m_cards, m_books, m_dvds, m_loanMenu, m_lending,
        m_returns, m_summaryMenu, m_statistics};
}

void Screens::endProgram()
{
    const QList<QWidget*> consultation = {m_catalogueMenu, m_consultBooks, m_consultDvds};
    for (QWidget* window : managementWindows() + consultation) {
        if (window)
            window->hide();
    }
    emit programEnded();
    QCoreApplication::quit();
}
