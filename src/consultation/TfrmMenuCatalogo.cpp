#include "TfrmMenuCatalogo.h"

#include "Artwork.h"
#include "ClickableLabel.h"
#include "EnterKey.h"
#include "MessageBox.h"
#include "TfrmGuida.h"
#include "WindowParts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral(" Lettoria 3.0 - Consultazione Catalogo Libri e DVD");
const QString kLine = QStringLiteral(
    "Questa applicazione \u00E8 studiata per consentire agli utenti della biblioteca di consultare il catalogo dei "
    "libri e dei DVD senza modificare i dati in archivio.");
const QString kQuestion = QStringLiteral(
    "Attenzione: chiudendo questa schermata di lavoro, l'applicazione sar\u00E0 terminata.\r\n\r\nSi conferma la "
    "chiusura del programma?");

} // namespace

TfrmMenuCatalogo::TfrmMenuCatalogo(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmMenuCatalogo"));
    setWindowTitle(kCaption);
    setMinimumSize(800, 560);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panMenu"));
    panel->setFixedSize(760, 520);
    panel->setStyleSheet(QStringLiteral("QWidget#panMenu { background: white; border-radius: 14px; }"));
    imgTitolo = new QLabel(panel);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setPixmap(Artwork::logo(QSize(420, 120)));
    imgTitolo->setAlignment(Qt::AlignCenter);
    lblRigo = new QLabel(kLine, panel);
    lblRigo->setObjectName(QStringLiteral("lblRigo"));
    lblRigo->setWordWrap(true);
    lblRigo->setAlignment(Qt::AlignCenter);

    const auto catalogue = [panel](const char* picture, Artwork::Symbol symbol, const QColor& colour,
                               const QString& name, const char* button, ClickableLabel*& image, QPushButton*& open) {
        image = new ClickableLabel(panel);
        image->setObjectName(QLatin1String(picture));
        image->setPixmap(Artwork::areaPicture(symbol, name, colour, QSize(260, 170)));
        open = pushButton(QLatin1String(button), QStringLiteral("Apri"), panel, QSize(150, 34));
        // Its "Apri" takes the keyboard focus for the picture.
        image->setFocusPolicy(Qt::NoFocus);
    };
    catalogue("icoLibri", Artwork::Symbol::Book, QColor(0xE6, 0x7E, 0x22), QStringLiteral("CATALOGO LIBRI"),
        "btnApriLibri", icoLibri, btnApriLibri);
    catalogue("icoDVD", Artwork::Symbol::Disc, QColor(0x8E, 0x44, 0xAD), QStringLiteral("CATALOGO DVD"), "btnApriDVD",
        icoDVD, btnApriDVD);
    imgGuida = iconButton(QStringLiteral("imgGuida"), Artwork::Symbol::Help, 44, panel);
    imgEsci = iconButton(QStringLiteral("imgEsci"), Artwork::Symbol::Exit, 44, panel);
    lblMemory = memoryLabel(this, QStringLiteral("avvio"));

    auto* grid = new QGridLayout;
    grid->addWidget(icoLibri, 0, 0, Qt::AlignCenter);
    grid->addWidget(icoDVD, 0, 1, Qt::AlignCenter);
    grid->addWidget(btnApriLibri, 1, 0, Qt::AlignCenter);
    grid->addWidget(btnApriDVD, 1, 1, Qt::AlignCenter);
    auto* foot = new QHBoxLayout;
    foot->addWidget(imgGuida);
    foot->addStretch();
    foot->addWidget(imgEsci);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(24, 18, 24, 16);
    column->addWidget(imgTitolo);
    column->addWidget(lblRigo);
    column->addSpacing(10);
    column->addLayout(grid);
    column->addStretch();
    column->addLayout(foot);
    auto* outer = new QGridLayout(this);
    outer->addWidget(panel, 0, 0, Qt::AlignCenter);

    connect(icoLibri, &ClickableLabel::clicked, this, [this] { choose(QStringLiteral("libri")); });
    connect(btnApriLibri, &QPushButton::clicked, this, [this] { choose(QStringLiteral("libri")); });
    connect(icoDVD, &ClickableLabel::clicked, this, [this] { choose(QStringLiteral("dvd")); });
    connect(btnApriDVD, &QPushButton::clicked, this, [this] { choose(QStringLiteral("dvd")); });
    connect(imgGuida, &ClickableLabel::clicked, this, [this] { TfrmGuida::showTopic(this, QStringLiteral("consultazione")); });
    connect(imgEsci, &ClickableLabel::clicked, this, &QWidget::close);
    pressButtonsOnEnter(this);
}

void TfrmMenuCatalogo::choose(const QString& choice)
{
    lblMemory->setText(choice);
    close();
}

void TfrmMenuCatalogo::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    lblMemory->setText(QStringLiteral("avvio"));
    btnApriLibri->setFocus();
}

void TfrmMenuCatalogo::closeEvent(QCloseEvent* event)
{
    const QString choice = lblMemory->text();
    if (choice != QLatin1String("avvio")) {
        event->accept();
        emit catalogueChosen(choice);
        return;
    }
    // Leaving the consultation ends the program; No keeps the menu on screen.
    if (!MessageBox::question(this, kQuestion)) {
        event->ignore();
        return;
    }
    event->accept();
    emit programEndRequested();
}

void TfrmMenuCatalogo::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Artwork::paintBackground(painter, *this);
}
