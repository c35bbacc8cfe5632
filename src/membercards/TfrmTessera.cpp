#include "TfrmTessera.h"

#include "Artwork.h"
#include "BarButton.h"
#include "CardDialogs.h"
#include "ClickableLabel.h"
#include "Dialogs.h"
#include "FieldText.h"
#include "IniFile.h"
#include "Keys.h"
#include "Modal.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "RecordType.h"
#include "Rules.h"
#include "SearchWindow.h"
#include "ShortString.h"
#include "StatusLine.h"
#include "TfrmGuida.h"
#include "WindowParts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral(" Lettoria 3.0 - Stampa Tessere");
const QString kReady = QStringLiteral("Pronto per stampare una nuova tessera...");
const QString kHints[] = {
    QStringLiteral("Per richiamare i dati di un utente dall'archivio, utilizzare il pulsante Trova o le frecce di "
                   "scorrimento delle schede. "),
    QStringLiteral("Inserire o modificare il logo e i dati della biblioteca facendo clic su di essi."),
    QStringLiteral("Il logo e i dati testuali relativi alla biblioteca sono salvati in automatico all'uscita da "
                   "questo ambiente di lavoro."),
};
const QString kLibrary = QStringLiteral("Dati Ente");
const char* const kLibraryKeys[] = {"Denominazione", "Sottotitolo 1", "Sottotitolo 2", "Annotazioni"};
const QSize kPhotoBox(157, 174);
const QSize kLogoBox(119, 118);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kInk(0x1F, 0x3A, 0x5F);
// The keys of the card's own pictures: load the logo, edit the library's data.
const QKeySequence kLogoKey(Qt::ALT | Qt::Key_C);
const QKeySequence kLibraryKey(Qt::ALT | Qt::Key_D);

QString settingsPath()
{
    return ProgramFolder::file(QStringLiteral("Tesserini.ini"));
}

QString logoPath()
{
    return ProgramFolder::file(QStringLiteral("Logo.jpg"));
}

QFont bold(int points)
{
    QFont font(QStringLiteral("Verdana"), points);
    font.setBold(true);
    return font;
}

template <class Label> Label* label(const char* name, int points, const QColor& colour, QWidget* parent)
{
    auto* l = new Label(parent);
    l->setObjectName(QLatin1String(name));
    l->setFont(bold(points));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

QToolButton* cornerButton(const char* name, const QKeySequence& key, QWidget* parent)
{
    auto* button = new PictureButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(Artwork::glyph(Artwork::Symbol::Clear, 48, kInk)));
    button->setIconSize(QSize(14, 14));
    Keys::bind(button, key);
    return button;
}

} // namespace

TfrmTessera::TfrmTessera(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_card(*this, RecordType::of<TSchedaTesserato>().archive())
{
    setObjectName(QStringLiteral("frmTessera"));
    setWindowTitle(kCaption);
    setMinimumSize(800, 600);
    resize(1000, 700);

    const auto tool = [this](const char* name, const QString& text, Artwork::Symbol symbol) {
        return makeBarButton(this, QLatin1String(name), text, symbol);
    };
    using S = Artwork::Symbol;
    cmdNuovo = tool("cmdNuovo", QStringLiteral("&Nuovo"), S::New);
    cmdTrova = tool("cmdTrova", QStringLiteral("&Trova"), S::Catalogue);
    cmdAnteprima = tool("cmdAnteprima", QStringLiteral("Antepri&ma"), S::Preview);
    cmdStampa = tool("cmdStampa", QStringLiteral("Stam&pa"), S::Print);
    QToolButton** browsing[] = {&cmdPrimo, &cmdIndietro, &cmdAvanti, &cmdUltimo};
    for (size_t i = 0; i < kBrowsingButtons.size(); ++i) {
        const BrowsingButton& b = kBrowsingButtons.at(i);
        *browsing[i] = tool(b.name, QString::fromUtf8(b.text), b.symbol);
    }
    lblPosizione = label<QLabel>("lblPosizione", 12, Qt::black, this);
    lblPosizione->setMinimumWidth(70);
    lblPosizione->setAlignment(Qt::AlignCenter);
    imgGuida = iconButton(QStringLiteral("imgGuida"), S::Help, 40, this);
    imgEsci = iconButton(QStringLiteral("imgEsci"), S::Exit, 40, this);

    imgBianco = new QLabel(this);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->setPixmap(QPixmap::fromImage(Artwork::silhouette(kPhotoBox)));
    imgBlank = new QLabel(this);
    imgBlank->setObjectName(QStringLiteral("imgBlank"));
    imgBlank->setPixmap(QPixmap::fromImage(Artwork::logoPlaceholder(kLogoBox)));
    imgPuntino = new QLabel(this);
    imgPuntino->setObjectName(QStringLiteral("imgPuntino"));
    QPixmap dot(2, 2);
    dot.fill(Qt::white);
    imgPuntino->setPixmap(dot);
    for (QLabel* hidden : {imgBianco, imgBlank, imgPuntino})
        hidden->hide();

    panInfo = StatusLine::panel(kReady, this);
    m_status = new StatusLine(panInfo);

    auto* bar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*> {cmdNuovo, cmdTrova, cmdAnteprima, cmdStampa})
        bar->addWidget(w);
    bar->addSpacing(24);
    for (QWidget* w : std::initializer_list<QWidget*> {cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti, cmdUltimo})
        bar->addWidget(w);
    bar->addStretch();
    bar->addWidget(imgGuida);
    bar->addWidget(imgEsci);
    auto* hints = new QVBoxLayout;
    for (const QString& hint : kHints) {
        auto* line = new QLabel(hint, this);
        line->setStyleSheet(QStringLiteral("color: #1f3a5f;"));
        hints->addWidget(line, 0, Qt::AlignHCenter);
    }
    auto* column = new QWidget(this);
    column->setMaximumWidth(1000);
    auto* inner = new QVBoxLayout(column);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addLayout(bar);
    inner->addLayout(hints);
    inner->addStretch();
    inner->addWidget(buildCard(), 0, Qt::AlignHCenter);
    inner->addStretch();
    inner->addWidget(panInfo);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(column);

    // Status texts; everything else empties the line.
    const std::pair<QWidget*, QString> texts[] = {
        {cmdNuovo, QStringLiteral("Predispone la schermata per la visualizzazione di una nuova scheda.")},
        {cmdTrova, QStringLiteral("Trova una scheda in archivio.")},
        {cmdAnteprima, QStringLiteral("Visualizza l'anteprima di stampa della tessera corrente.")},
        {cmdStampa, QStringLiteral("Stampa la tessera corrente.")},
        {cmdPrimo, QStringLiteral("Visualizza la prima scheda in archivio.")},
        {cmdIndietro, QStringLiteral("Visualizza la scheda precedente in archivio.")},
        {cmdAvanti, QStringLiteral("Visualizza la scheda successiva in archivio.")},
        {cmdUltimo, QStringLiteral("Visualizza l'ultima scheda in archivio.")},
        {imgGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {imgEsci, QStringLiteral("Esci da questa schermata di lavoro.")},
        {imgLogo, QStringLiteral("Fare clic per caricare il logo della biblioteca.")},
        {btnCancLogo, QStringLiteral("Cancella il logo corrente.")},
        {btnCancFoto, QStringLiteral("Cancella la foto corrente.")},
        {titAssociazione, QStringLiteral("Fare clic per inserire i dati della biblioteca.")},
        {titSottotitolo01, QStringLiteral("Fare clic per inserire i dati della biblioteca.")},
        {titSottotitolo02, QStringLiteral("Fare clic per inserire i dati della biblioteca.")},
        {titAnnotazioni, QStringLiteral("Fare clic per inserire i dati della biblioteca.")},
    };
    // The four lines of the library's data share one key.
    const QList<QWidget*> library = {titAssociazione, titSottotitolo01, titSottotitolo02, titAnnotazioni};
    QList<QWidget*> described;
    for (const auto& [control, text] : texts) {
        if (library.contains(control))
            m_status->describe(control, text, Keys::name(kLibraryKey));
        else
            m_status->describe(control, text);
        described << control;
    }
    m_status->clearOver(this);
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (!described.contains(widget) && widget != panInfo)
            m_status->clearOver(widget);
    }

    connect(cmdNuovo, &QToolButton::clicked, this, [this] { m_card.newCard(); });
    connect(cmdTrova, &QToolButton::clicked, this, &TfrmTessera::cmdTrovaClick);
    connect(cmdPrimo, &QToolButton::clicked, this, [this] { m_card.first(); });
    connect(cmdIndietro, &QToolButton::clicked, this, [this] { m_card.previous(); });
    connect(cmdAvanti, &QToolButton::clicked, this, [this] { m_card.next(); });
    connect(cmdUltimo, &QToolButton::clicked, this, [this] { m_card.last(); });
    connect(cmdStampa, &QToolButton::clicked, this, [this] {
        TfrmStampaTessera window(content(), this);
        Modal::exec(window);
    });
    connect(cmdAnteprima, &QToolButton::clicked, this, [this] {
        TfrmAnteprimaTessera window(content(), this);
        Modal::exec(window);
    });
    connect(imgLogo, &ClickableLabel::clicked, this, &TfrmTessera::imgLogoClick);
    connect(btnCancLogo, &QToolButton::clicked, this, [this] { showLogo(imgPuntino->pixmap().toImage()); });
    connect(btnCancFoto, &QToolButton::clicked, this, [this] { showPhoto(imgPuntino->pixmap().toImage()); });
    for (ClickableLabel* line : {titAssociazione, titSottotitolo01, titSottotitolo02, titAnnotazioni})
        connect(line, &ClickableLabel::clicked, this, &TfrmTessera::editLibrary);
    connect(imgGuida, &ClickableLabel::clicked, this, [this] { TfrmGuida::showTopic(this, QStringLiteral("tessere")); });
    connect(imgEsci, &ClickableLabel::clicked, this, &QWidget::close);
}

QWidget* TfrmTessera::buildCard()
{
    // The card, at about seven pixels to the millimetre, white on a soft shadow.
    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("shpSfondo"));
    card->setFixedSize(620, 390);
    card->setStyleSheet(
        QStringLiteral("QFrame#shpSfondo { background: white; border: 1px solid #555; border-radius: 14px; }"));
    auto* shadow = new QGraphicsDropShadowEffect(card);
    shadow->setBlurRadius(24);
    shadow->setOffset(4, 6);
    shadow->setColor(QColor(0, 0, 0, 90));
    card->setGraphicsEffect(shadow);

    const auto band = [card](const char* name, int height) {
        auto* b = new QFrame(card);
        b->setObjectName(QLatin1String(name));
        b->setFixedHeight(height);
        b->setStyleSheet(QStringLiteral("QFrame#%1 { background: #000080; border-radius: 8px; }").arg(QLatin1String(name)));
        return b;
    };
    QFrame* header = band("shpHeader", 90);
    titAssociazione = label<ClickableLabel>("titAssociazione", 14, Qt::white, header);
    titSottotitolo01 = label<ClickableLabel>("titSottotitolo01", 10, Qt::white, header);
    titSottotitolo02 = label<ClickableLabel>("titSottotitolo02", 10, Qt::white, header);
    auto* headerLines = new QVBoxLayout(header);
    headerLines->setContentsMargins(12, 6, 12, 6);
    headerLines->setSpacing(2);
    for (ClickableLabel* line : {titAssociazione, titSottotitolo01, titSottotitolo02})
        headerLines->addWidget(line);
    QFrame* footer = band("shpFooter", 40);
    titAnnotazioni = label<ClickableLabel>("titAnnotazioni", 12, Qt::white, footer);
    titAnnotazioni->setAlignment(Qt::AlignCenter);
    // One stop of the Tab key and one key for the four lines, which open the same dialog.
    Keys::bind(titAssociazione, kLibraryKey);
    for (ClickableLabel* line : {titSottotitolo01, titSottotitolo02, titAnnotazioni})
        line->setFocusPolicy(Qt::NoFocus);
    auto* footerLine = new QVBoxLayout(footer);
    footerLine->setContentsMargins(8, 2, 8, 2);
    footerLine->addWidget(titAnnotazioni);

    imgFoto = new QLabel(card);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setFixedSize(kPhotoBox);
    imgFoto->setAlignment(Qt::AlignCenter);
    imgFoto->setStyleSheet(QStringLiteral("QLabel { border: 1px solid #9aa4ae; background: white; }"));
    btnCancFoto = cornerButton("btnCancFoto", QKeySequence(Qt::ALT | Qt::Key_F), card);
    txtTesserato = label<QLabel>("txtTesserato", 16, Qt::black, card);
    txtCarica = label<QLabel>("txtCarica", 14, Qt::black, card);
    txtNumTessera = label<QLabel>("txtNumTessera", 12, QColor(0xA5, 0x2A, 0x2A), card);
    const auto dateBox = [card](const char* name) {
        auto* date = label<QLabel>(name, 11, Qt::black, card);
        date->setAlignment(Qt::AlignCenter);
        date->setFixedSize(170, 28);
        date->setStyleSheet(QStringLiteral("QLabel { background: #f5f5dc; border: 1px solid black; }"));
        return date;
    };
    txtDataRil = dateBox("txtDataRil");
    txtDataScade = dateBox("txtDataScade");
    imgLogo = new ClickableLabel(card);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(kLogoBox);
    imgLogo->setAlignment(Qt::AlignCenter);
    btnCancLogo = cornerButton("btnCancLogo", QKeySequence(Qt::ALT | Qt::Key_L), card);
    Keys::bind(imgLogo, kLogoKey);

    auto* photo = new QVBoxLayout;
    photo->setSpacing(0);
    photo->addWidget(imgFoto);
    photo->addWidget(btnCancFoto, 0, Qt::AlignRight);
    auto* member = new QVBoxLayout;
    member->setSpacing(2);
    member->addWidget(txtTesserato);
    member->addWidget(txtCarica);
    member->addWidget(txtNumTessera);
    member->addSpacing(6);
    auto* captions = new QGridLayout;
    captions->setVerticalSpacing(2);
    captions->addWidget(new QLabel(QStringLiteral("Data rilascio:"), card), 0, 0);
    captions->addWidget(txtDataRil, 1, 0);
    captions->addWidget(new QLabel(QStringLiteral("Data scadenza:"), card), 2, 0);
    captions->addWidget(txtDataScade, 3, 0);
    auto* logo = new QVBoxLayout;
    logo->addStretch();
    logo->addWidget(imgLogo);
    logo->addWidget(btnCancLogo, 0, Qt::AlignRight);
    captions->addLayout(logo, 0, 1, 4, 1, Qt::AlignRight | Qt::AlignBottom);
    captions->setColumnStretch(0, 1);
    member->addLayout(captions);
    member->addStretch();
    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addLayout(photo);
    body->addLayout(member, 1);
    auto* layout = new QVBoxLayout(card);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(header);
    layout->addLayout(body, 1);
    layout->addWidget(footer);
    return card;
}

CardContent TfrmTessera::content() const
{
    CardContent c;
    c.library = titAssociazione->text();
    c.subtitle1 = titSottotitolo01->text();
    c.subtitle2 = titSottotitolo02->text();
    c.notes = titAnnotazioni->text();
    c.member = txtTesserato->text();
    c.role = txtCarica->text();
    c.number = txtNumTessera->text();
    c.issued = txtDataRil->text();
    c.expires = txtDataScade->text();
    c.photo = m_photo;
    c.logo = m_logo;
    return c;
}

QString TfrmTessera::position() const
{
    return lblPosizione->text();
}

void TfrmTessera::setPosition(const QString& position)
{
    lblPosizione->setText(position);
}

void TfrmTessera::showRecord(const QByteArray& record)
{
    showMember(RecordType::of<TSchedaTesserato>().values(record.constData()));
}

void TfrmTessera::showMember(const QHash<QString, QString>& values)
{
    txtTesserato->setText(values.value(QStringLiteral("Tesserato")));
    txtCarica->setText(values.value(QStringLiteral("Carica")));
    txtNumTessera->setText(values.value(QStringLiteral("NumTessera")));
    txtDataRil->setText(values.value(QStringLiteral("DataRil")));
    txtDataScade->setText(values.value(QStringLiteral("DataScade")));
}

void TfrmTessera::recordLoaded(qint64 n)
{
    showPhoto(Pictures::load(Rules::memberPhotoPath(n)));
}

void TfrmTessera::clearCard()
{
    txtTesserato->setText(QStringLiteral("Cognome e nome"));
    txtCarica->setText(QStringLiteral("Informazioni aggiuntive"));
    txtNumTessera->setText(QStringLiteral("Tessera n."));
    txtDataRil->setText(QStringLiteral("GG/MM/AAAA"));
    txtDataScade->setText(QStringLiteral("GG/MM/AAAA"));
    showPhoto(QImage());
}

void TfrmTessera::showPhoto(const QImage& photo)
{
    m_photo = photo.isNull() ? imgBianco->pixmap().toImage() : photo;
    imgFoto->setPixmap(QPixmap::fromImage(
        m_photo.scaled(kPhotoBox - QSize(2, 2), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TfrmTessera::showLogo(const QImage& logo)
{
    m_logo = logo.isNull() ? imgBlank->pixmap().toImage() : logo;
    imgLogo->setPixmap(
        QPixmap::fromImage(m_logo.scaled(kLogoBox, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TfrmTessera::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_card.newCard();
    const IniFile settings(settingsPath());
    const QList<ClickableLabel*> lines = {titAssociazione, titSottotitolo01, titSottotitolo02, titAnnotazioni};
    for (int i = 0; i < lines.size(); ++i)
        lines.at(i)->setText(settings.read(kLibrary, QLatin1String(kLibraryKeys[i])).value_or(QString()));
    showLogo(Pictures::load(logoPath()));
    panInfo->setText(kReady);
}

void TfrmTessera::closeEvent(QCloseEvent* event)
{
    // The library's data and logo are kept on leaving; failures are not reported.
    const IniFile settings(settingsPath());
    const QList<ClickableLabel*> lines = {titAssociazione, titSottotitolo01, titSottotitolo02, titAnnotazioni};
    for (int i = 0; i < lines.size(); ++i)
        settings.write(kLibrary, QLatin1String(kLibraryKeys[i]), ShortString::trimmed(lines.at(i)->text()));
    Pictures::saveJpeg(m_logo, logoPath());
    event->accept();
    emit closed();
}

void TfrmTessera::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Artwork::paintBackground(painter, *this);
}

void TfrmTessera::imgLogoClick()
{
    const QString path = Dialogs::openFile(this, Pictures::kDialogTitle, Pictures::kDialogFilter);
    if (!path.isEmpty())
        showLogo(Pictures::load(path));
}

void TfrmTessera::editLibrary()
{
    TfrmDatiEnte dialog(this);
    dialog.lblMemory->setText(QStringLiteral("tessera"));
    loadText(dialog.txtAssociazione, ShortString::trimmed(titAssociazione->text()));
    loadText(dialog.txtSottotitolo01, ShortString::trimmed(titSottotitolo01->text()));
    loadText(dialog.txtSottotitolo02, ShortString::trimmed(titSottotitolo02->text()));
    loadText(dialog.txtAnnotazioni, ShortString::trimmed(titAnnotazioni->text()));
    connect(&dialog, &TfrmDatiEnte::applied, this, [this](const QStringList& lines) {
        titAssociazione->setText(lines.at(0));
        titSottotitolo01->setText(lines.at(1));
        titSottotitolo02->setText(lines.at(2));
        titAnnotazioni->setText(lines.at(3));
    });
    Modal::exec(dialog);
}

void TfrmTessera::cmdTrovaClick()
{
    TfrmTrovaAnagrafica window(this);
    window.lblMemory->setText(QStringLiteral("tessera"));
    connect(&window, &SearchWindow::recordChosen, this, [this](qint64 position, const QHash<QString, QString>& values) {
        showMember(values);
        setPosition(QString::number(position));
        recordLoaded(position);
    });
    Modal::exec(window);
}
