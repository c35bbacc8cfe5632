#include "TfrmAvvio.h"

#include "Artwork.h"
#include "ClickableLabel.h"
#include "Keys.h"
#include "Maker.h"
#include "Modal.h"
#include "TMisc.h"
#include "TfrmGuida.h"
#include "TfrmInfo.h"
#include "TfrmSplash.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral(" Lettoria 3.0");
const QString kTitle = QStringLiteral("Lettoria 3.0");
const QString kSubtitle = QStringLiteral("Catalogo, prestiti, utenti e tessere della biblioteca");
const QString kVersion = QStringLiteral("Versione 3.0");
const QString kOpen = QStringLiteral("Apri");

using Part = ClickableLabel* TfrmAvvio::*;

struct AreaLook {
    TfrmAvvio::Area area;
    const char* pictureName;
    Part picture;
    const char* buttonName;
    Part button;
    const char* name;
    Artwork::Symbol symbol;
    QColor colour;
};

const AreaLook kAreas[] = {
    {TfrmAvvio::Area::Anagrafica, "imgAnagrafica", &TfrmAvvio::imgAnagrafica, "btnAnagrafica",
        &TfrmAvvio::btnAnagrafica, "Archivio Utenti", Artwork::Symbol::Member, QColor(0x2E, 0x86, 0xC1)},
    {TfrmAvvio::Area::Tessere, "imgTessere", &TfrmAvvio::imgTessere, "btnTessere", &TfrmAvvio::btnTessere,
        "Stampa Tessere", Artwork::Symbol::Card, QColor(0x16, 0xA0, 0x85)},
    {TfrmAvvio::Area::Libri, "imgLibri", &TfrmAvvio::imgLibri, "btnLibri", &TfrmAvvio::btnLibri,
        "Archivio Libri", Artwork::Symbol::Book, QColor(0xCA, 0x6F, 0x1E)},
    {TfrmAvvio::Area::DVD, "imgDVD", &TfrmAvvio::imgDVD, "btnDVD", &TfrmAvvio::btnDVD, "Archivio DVD",
        Artwork::Symbol::Disc, QColor(0x88, 0x4E, 0xA0)},
    {TfrmAvvio::Area::Prestiti, "imgPrestiti", &TfrmAvvio::imgPrestiti, "btnCarico", &TfrmAvvio::btnCarico,
        "Prestiti", Artwork::Symbol::Loan, QColor(0xC0, 0x39, 0x2B)},
    {TfrmAvvio::Area::Catalogo, "imgCatalogo", &TfrmAvvio::imgCatalogo, "btnScarico", &TfrmAvvio::btnScarico,
        "Consultazione Catalogo", Artwork::Symbol::Catalogue, QColor(0x27, 0x7D, 0x4E)},
};

const QSize kPictureSize(270, 176);
const QSize kButtonSize(150, 36);

} // namespace

TfrmAvvio::TfrmAvvio(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(kCaption);
    // Dates and numbers read and written the Italian way, whatever the system says.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panMenu"));
    panel->setFixedSize(995, 692);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);

    auto picture = [panel](const QString& name, const QPixmap& pixmap) {
        auto* label = new ClickableLabel(panel);
        label->setObjectName(name);
        label->setPixmap(pixmap);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    imgInfo = picture(QStringLiteral("imgInfo"), Artwork::icon(Artwork::Symbol::Info, 44));
    imgInfo->setToolTip(QStringLiteral("Informazioni su Lettoria 3.0"));
    imgGuida = picture(QStringLiteral("imgGuida"), Artwork::icon(Artwork::Symbol::Help, 44));
    imgGuida->setToolTip(QStringLiteral("Guida"));
    imgCopyright = picture(QStringLiteral("imgCopyright"), Artwork::icon(Artwork::Symbol::Copyright, 36));
    imgCopyright->setToolTip(QStringLiteral("Riconoscimenti"));
    icoSito = picture(QStringLiteral("icoSito"), Artwork::icon(Artwork::Symbol::Web, 36));
    icoSito->setToolTip(Maker::kWebText);
    imgEsci = picture(QStringLiteral("imgEsci"), Artwork::icon(Artwork::Symbol::Exit, 44));
    imgEsci->setToolTip(QStringLiteral("Esci"));

    icoIcona = new QLabel(panel);
    icoIcona->setObjectName(QStringLiteral("icoIcona"));
    icoIcona->setPixmap(Artwork::icon(Artwork::Symbol::Book, 72));
    icoTitolo = new QLabel(kTitle, panel);
    icoTitolo->setObjectName(QStringLiteral("icoTitolo"));
    icoTitolo->setStyleSheet(QStringLiteral("color: #1f3a5f; font: bold 34pt 'Liberation Serif';"));
    icoSottotitolo = new QLabel(kSubtitle, panel);
    icoSottotitolo->setObjectName(QStringLiteral("icoSottotitolo"));
    icoSottotitolo->setStyleSheet(QStringLiteral("color: #1f3a5f; font: italic 12pt 'Liberation Serif';"));
    icoVersione = new QLabel(kVersion, panel);
    icoVersione->setObjectName(QStringLiteral("icoVersione"));
    icoVersione->setStyleSheet(QStringLiteral("color: #4682b4; font: bold 9pt 'Liberation Sans';"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(40);
    grid->setVerticalSpacing(22);
    int index = 0;
    for (const AreaLook& look : kAreas) {
        auto* image = picture(QLatin1String(look.pictureName),
            Artwork::areaPicture(look.symbol, QLatin1String(look.name), look.colour, kPictureSize));
        auto* button
            = picture(QLatin1String(look.buttonName), Artwork::areaButton(kOpen, look.colour, kButtonSize));
        this->*look.picture = image;
        this->*look.button = button;
        const Area area = look.area;
        for (ClickableLabel* part : {image, button})
            connect(part, &ClickableLabel::clicked, this, [this, area] { emit areaChosen(area); });
        // The area's picture carries its name and takes the focus for both.
        button->setFocusPolicy(Qt::NoFocus);
        auto* cell = new QVBoxLayout;
        cell->setSpacing(8);
        cell->addWidget(image, 0, Qt::AlignHCenter);
        cell->addWidget(button, 0, Qt::AlignHCenter);
        grid->addLayout(cell, index / 3, index % 3);
        ++index;
    }

    auto* header = new QGridLayout;
    header->addWidget(imgInfo, 0, 0, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    auto* title = new QHBoxLayout;
    title->setSpacing(14);
    title->addStretch();
    title->addWidget(icoIcona);
    title->addWidget(icoTitolo);
    title->addStretch();
    header->addLayout(title, 0, 1);
    header->addWidget(icoSottotitolo, 1, 1, Qt::AlignHCenter);
    header->addWidget(imgGuida, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignTop);
    header->setColumnStretch(1, 1);

    auto* footerLeft = new QVBoxLayout;
    footerLeft->setSpacing(6);
    footerLeft->addWidget(icoSito, 0, Qt::AlignLeft);
    footerLeft->addWidget(imgCopyright, 0, Qt::AlignLeft);
    auto* footer = new QHBoxLayout;
    footer->addLayout(footerLeft);
    footer->addStretch();
    footer->addWidget(icoVersione, 0, Qt::AlignBottom);
    footer->addStretch();
    footer->addWidget(imgEsci, 0, Qt::AlignBottom);

    auto* content = new QVBoxLayout(panel);
    content->setContentsMargins(22, 18, 22, 16);
    content->addLayout(header);
    content->addStretch();
    content->addLayout(grid);
    content->addStretch();
    content->addLayout(footer);

    // Narrow margins, so that the menu fits a 1280 x 720 screen with its title bar.
    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(panel, 0, 0, Qt::AlignCenter);

    connect(imgInfo, &ClickableLabel::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgGuida, &ClickableLabel::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgCopyright, &ClickableLabel::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(icoSito, &ClickableLabel::clicked, this, &TfrmAvvio::icoSitoClick);
    connect(imgEsci, &ClickableLabel::clicked, this, &TfrmAvvio::quitRequested);

    // Tab goes through the areas as they are read, then the other commands.
    QList<QWidget*> order;
    for (const AreaLook& look : kAreas)
        order << this->*look.picture;
    order << imgGuida << imgInfo << icoSito << imgCopyright << imgEsci;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    Keys::bind(imgGuida, Keys::standard(QStringLiteral("imgGuida")));
}

void TfrmAvvio::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        imgAnagrafica->setFocus();
}

void TfrmAvvio::keyPressEvent(QKeyEvent* event)
{
    // The arrows move through the grid of areas, three to a row, and from any other command
    // along the Tab order.
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 3;
        break;
    case Qt::Key_Up:
        step = -3;
        break;
    default:
        break;
    }
    if (step == 0 || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int count = int(std::size(kAreas));
    for (int i = 0; i < count; ++i) {
        if (this->*kAreas[i].picture == focusWidget()) {
            (this->*kAreas[(i + step + count) % count].picture)->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    focusNextPrevChild(step > 0);
}

void TfrmAvvio::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit quitRequested();
}

void TfrmAvvio::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Artwork::paintBackground(painter, *this);
}

void TfrmAvvio::imgInfoClick()
{
    TfrmInfo window(this);
    Modal::exec(window);
}

void TfrmAvvio::imgGuidaClick()
{
    TfrmGuida::showTopic(this, QStringLiteral("avvio"));
}

void TfrmAvvio::imgCopyrightClick()
{
    TfrmSplash window(this);
    Modal::exec(window);
}

void TfrmAvvio::icoSitoClick()
{
    TMisc::Open(QLatin1Char('"') + Maker::kWebAddress + QLatin1Char('"'));
}
