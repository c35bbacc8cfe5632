#include "TfrmAnagrafica.h"

#include "BarButton.h"
#include "CheckWindows.h"
#include "Clock.h"
#include "ComboLists.h"
#include "Dates.h"
#include "Dialogs.h"
#include "ExportWindow.h"
#include "IdentifierChecks.h"
#include "ImportWindow.h"
#include "Keys.h"
#include "MemberSheet.h"
#include "MessageBox.h"
#include "Modal.h"
#include "Pictures.h"
#include "Printing.h"
#include "RecordType.h"
#include "Rules.h"
#include "SearchTable.h"
#include "ShortString.h"
#include "TMisc.h"
#include "TfrmSospesi.h"
#include "TfrmZoom.h"
#include "WindowParts.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Kind = CardField::Kind;
using Place = CardField::Place;
using Typing = CardField::Typing;
using Symbol = Artwork::Symbol;

const QSize kPhotoBox(157, 174);
const QString kMailMissing = QStringLiteral("Attenzione: indicare l'indirizzo e-mail dell'utente.");

CardForm memberForm()
{
    CardForm t;
    t.objectName = QStringLiteral("frmAnagrafica");
    t.caption = QStringLiteral(" Lettoria 3.0 - Archivio Utenti");
    t.helpTopic = QStringLiteral("anagrafica");
    t.type = &RecordType::of<TSchedaTesserato>();
    t.columns = {110, 110, 110, 160};
    t.buttonBar = {{{"cmdNuovo", "&Nuovo", Symbol::New}, {"cmdSalva", "&Salva", Symbol::Save},
                       {"cmdTrova", "&Trova", Symbol::Catalogue}},
        {{"cmdAllega", "&Allega", Symbol::Attach}},
        {{"cmdAnteprima", "Antepri&ma", Symbol::Preview}, {"cmdStampa", "Stam&pa", Symbol::Print}},
        {{"cmdScadute", "Sca&dute", Symbol::Clock}}, browsingGroup(),
        {{"cmdExcel", "E&xcel", Symbol::Export}, {"cmdImporta", "Importa", Symbol::Import}},
        {{"cmdGuida", "&Guida", Symbol::Help}, {"cmdEsci", "&Esci", Symbol::Exit}}};
    t.cancelledText = QStringLiteral("Tessera annullata");
    t.fields = {
        {"Tesserato", "Cognome e nome:", Kind::Edit, Place::Row, 0},
        {"Carica", "Informazioni aggiuntive:", Kind::Edit, Place::Row, 0},
        {"NumTessera", "Tessera n.", Kind::Edit, Place::Left, 0},
        {"DataRil", "Data rilascio:", Kind::Edit, Place::Right, 0, true},
        {"DataScade", "Data scadenza:", Kind::Edit, Place::Left, 0, true},
        {"DataNasc", "Data di nascita:", Kind::Edit, Place::Row, 1, true},
        {"ComuneNasc", "Comune di nascita:", Kind::Edit, Place::Beside, 1},
        {"ProvNasc", "Prov.", Kind::Combo, Place::Beside, 1, true, Typing::Upper, nullptr, Symbol::Check,
            ComboLists::provinces},
        {"Sesso", "Sesso:", Kind::Edit, Place::Row, 1, true, Typing::UpperOnRelease},
        {"ComuneRes", "Comune di residenza:", Kind::Edit, Place::Beside, 1},
        {"ProvRes", "Prov.", Kind::Combo, Place::Beside, 1, true, Typing::Upper, nullptr, Symbol::Check,
            ComboLists::provinces},
        // The postcode opens the address row and the notice days the qualifications' row, so that
        // the town beside the sex and the address have their room.
        {"CapRes", "CAP:", Kind::Edit, Place::Row, 1, true},
        {"IndirizzoRes", "Via e numero civico:", Kind::Edit, Place::Beside, 1},
        {"Preavviso", "Giorni di preavviso:", Kind::Edit, Place::Row, 1, true, Typing::Digits},
        {"Titoli", "Titolo di studio e altre qualifiche:", Kind::Edit, Place::Beside, 1},
        {"TelCasa", "Tel. casa:", Kind::Edit, Place::Left, 2},
        {"TelUff", "Tel. ufficio:", Kind::Edit, Place::Right, 2},
        {"TelCel", "Tel. cellulare:", Kind::Edit, Place::Left, 2},
        {"Recapito", "Recapito preferenziale:", Kind::Edit, Place::Right, 2},
        {"Fax", "Fax:", Kind::Edit, Place::Left, 2},
        {"Email", "E-mail:", Kind::Edit, Place::Right, 2, false, Typing::Trimmed, "cmdEmail", Symbol::Mail},
        {"CodFisc", "Codice fiscale:", Kind::Edit, Place::Left, 3, false, Typing::Upper, "cmdCodFisc",
            Symbol::Check, nullptr, 0, IdentifierChecks::kTaxCodeForm},
        {"Carta", "Carta di credito n.", Kind::Edit, Place::Right, 3, false, Typing::Digits, "cmdCarta",
            Symbol::Check, nullptr, 0, IdentifierChecks::kCardForm},
        {"ScadeCarta", "Scadenza carta di credito:", Kind::Edit, Place::Left, 3},
        {"PartitaIva", "Partita IVA:", Kind::Edit, Place::Right, 3, false, Typing::Digits, "cmdPartitaIva",
            Symbol::Check, nullptr, 0, IdentifierChecks::kVatNumberForm},
        // The IBAN is too long for half a row: the account holder stands beside it.
        {"Iban", "IBAN:", Kind::Edit, Place::Row, 3, false, Typing::Upper, "cmdIban", Symbol::Check, nullptr,
            0, IdentifierChecks::kIbanForm},
        {"Intestatario", "Intestatario C/C:", Kind::Edit, Place::Beside, 3},
        {"Note", "Note:", Kind::Edit, Place::Row, 4},
    };
    t.sectionPictures = {Symbol::Card, Symbol::Member, Symbol::Mail, Symbol::Check, Symbol::Notes};
    t.findTable = &membersTable();
    t.marker = QStringLiteral("anagrafica");
    t.focusOnShow = false;
    t.statusTexts = {
        {"cmdNuovo", "Predispone la schermata per l'inserimento di una nuova scheda."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdAllega", "Allega file alla scheda corrente."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdScadute", "Visualizza l'elenco delle tessere in attesa di rinnovo."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdExcel", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdImporta", "Importa in archivio le schede di un foglio di calcolo."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"btnSfoglia", "Carica la foto dell'utente."},
        {"btnCancFoto", "Cancella la foto corrente."},
        {"btnZoom", "Visualizza la foto a tutto schermo."},
        {"cmdEmail", "Invia una e-mail all'indirizzo indicato."},
        {"btnEmail", "Invia e-mail con avviso scadenza."},
        {"cmdCodFisc", "Controlla il codice fiscale."},
        {"cmdCarta", "Controlla il numero di carta di credito."},
        {"cmdPartitaIva", "Controlla il numero di partita IVA."},
        {"cmdIban", "Controlla l'IBAN."},
        {"chkAnnullata", "Contrassegna la tessera come annullata per escluderla dai risultati di ricerca."},
    };
    return t;
}

const CardForm& form()
{
    static const CardForm f = memberForm();
    return f;
}

QToolButton* photoButton(const char* name, Symbol symbol, const QKeySequence& key, QWidget* parent)
{
    auto* button = new PictureButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(Artwork::glyph(symbol, 48, QColor(0x1f, 0x3a, 0x5f))));
    button->setIconSize(QSize(18, 18));
    Keys::bind(button, key);
    return button;
}

// A button with a caption beside the fields: the mouse leaves the focus in the field it was in.
QPushButton* textButton(const char* name, const QString& text, Symbol symbol, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(Artwork::glyph(symbol, 48, QColor(0x1f, 0x3a, 0x5f))));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

TfrmAnagrafica::TfrmAnagrafica(QWidget* parent)
    : CardScreen(form(), parent)
{
    btnEmail = textButton("btnEmail", QStringLiteral("Invia avvis&o scadenza"), Symbol::Mail, nullptr);
    build();
    cmdAllega = barButton(QStringLiteral("cmdAllega"));
    cmdAnteprima = barButton(QStringLiteral("cmdAnteprima"));
    cmdStampa = barButton(QStringLiteral("cmdStampa"));
    cmdScadute = barButton(QStringLiteral("cmdScadute"));
    cmdExcel = barButton(QStringLiteral("cmdExcel"));
    cmdImporta = barButton(QStringLiteral("cmdImporta"));
    cmdEmail = fieldButton(QStringLiteral("cmdEmail"));
    cmdCodFisc = fieldButton(QStringLiteral("cmdCodFisc"));
    cmdCarta = fieldButton(QStringLiteral("cmdCarta"));
    cmdPartitaIva = fieldButton(QStringLiteral("cmdPartitaIva"));
    cmdIban = fieldButton(QStringLiteral("cmdIban"));

    connect(cmdScadute, &QToolButton::clicked, this, [this] {
        TfrmSospesi schedule(this);
        connect(&schedule, &TfrmSospesi::memberChosen, this, &TfrmAnagrafica::loadValues);
        Modal::exec(schedule);
    });
    connect(btnEmail, &QPushButton::clicked, this, &TfrmAnagrafica::btnEmailClick);
    connect(cmdAnteprima, &QToolButton::clicked, this, [this] { Printing::preview(this, sheet()); });
    connect(cmdStampa, &QToolButton::clicked, this, [this] { Printing::print(this, sheet()); });
    connect(cmdAllega, &QToolButton::clicked, this, [this] { openAttachments(QStringLiteral("anagrafica")); });
    connect(cmdExcel, &QToolButton::clicked, this, [this] { TfrmExpAnagrafica(this).runModal(); });
    connect(cmdImporta, &QToolButton::clicked, this, [this] {
        TfrmImpAnagrafica window(this);
        Modal::exec(window);
    });

    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmAnagrafica::btnSfogliaClick);
    connect(btnCancFoto, &QToolButton::clicked, this, [this] { showPhoto(QImage()); });
    connect(btnZoom, &QToolButton::clicked, this, &TfrmAnagrafica::btnZoomClick);
    connect(cmdEmail, &QPushButton::clicked, this, &TfrmAnagrafica::cmdEmailClick);
    connect(cmdCodFisc, &QPushButton::clicked, this, &TfrmAnagrafica::cmdCodFiscClick);
    connect(cmdPartitaIva, &QPushButton::clicked, this, [this] {
        TfrmPartitaIva window(ShortString::trimmed(text(QStringLiteral("PartitaIva"))), this);
        Modal::exec(window);
    });
    connect(cmdCarta, &QPushButton::clicked, this, [this] {
        TfrmCarta window(ShortString::trimmed(text(QStringLiteral("Carta"))), this);
        Modal::exec(window);
    });
    connect(cmdIban, &QPushButton::clicked, this, [this] {
        TfrmIban window(ShortString::trimmed(text(QStringLiteral("Iban"))), this);
        Modal::exec(window);
    });
}

QWidget* TfrmAnagrafica::buildPhotoFrame()
{
    QFrame* frame = whiteBox(nullptr);
    imgFoto = new QLabel(frame);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setFixedSize(kPhotoBox);
    imgFoto->setAlignment(Qt::AlignCenter);
    imgFoto->setStyleSheet(QStringLiteral("QLabel { border: 1px solid #9aa4ae; background: #f4f6f8; }"));
    imgBianco = new QLabel(frame);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->setPixmap(QPixmap::fromImage(Artwork::silhouette(kPhotoBox)));
    imgBianco->hide();
    btnZoom = photoButton("btnZoom", Symbol::Zoom, QKeySequence(Qt::ALT | Qt::Key_Z), frame);
    btnCancFoto = photoButton("btnCancFoto", Symbol::Clear, QKeySequence(Qt::ALT | Qt::Key_F), frame);
    btnSfoglia = textButton("btnSfoglia", QStringLiteral("&Carica foto"), Symbol::Photo, frame);

    auto* corners = new QHBoxLayout;
    corners->addWidget(btnZoom);
    corners->addStretch();
    corners->addWidget(btnCancFoto);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(4);
    column->addWidget(imgFoto, 0, Qt::AlignHCenter);
    column->addLayout(corners);
    column->addWidget(btnSfoglia);
    column->addStretch();
    return frame;
}

QWidget* TfrmAnagrafica::arrangeSections(const QList<QFrame*>& sections)
{
    // The reminder button closes the contacts box, under the e-mail address.
    QGridLayout* contacts = sectionGrid(2);
    contacts->addWidget(btnEmail, contacts->rowCount(), 3, Qt::AlignRight);

    auto* area = new QWidget;
    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(buildPhotoFrame());
    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(sections.at(0));
    right->addWidget(sections.at(1));
    top->addLayout(right, 1);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addLayout(top);
    for (int i = 2; i < sections.size(); ++i)
        column->addWidget(sections.at(i));
    column->addStretch(1);
    return area;
}

void TfrmAnagrafica::setNewCardTexts()
{
    setText(QStringLiteral("DataRil"), Dates::format(Clock::today()));
    setText(QStringLiteral("Preavviso"), QStringLiteral("0"));
    showPhoto(QImage());
}

void TfrmAnagrafica::recordLoaded(qint64 n)
{
    showPhoto(Pictures::load(Rules::memberPhotoPath(n)));
}

void TfrmAnagrafica::recordStored(qint64 n)
{
    // The photo box is written whatever it shows, the silhouette included; a photo that cannot
    // be written leaves the silhouette on display.
    if (!Pictures::saveJpeg(m_photo, Rules::memberPhotoPath(n)))
        showPhoto(QImage());
}

void TfrmAnagrafica::showPhoto(const QImage& photo)
{
    m_photo = photo.isNull() ? imgBianco->pixmap().toImage() : photo;
    imgFoto->setPixmap(QPixmap::fromImage(
        m_photo.scaled(kPhotoBox - QSize(2, 2), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TfrmAnagrafica::btnSfogliaClick()
{
    const QString path = Dialogs::openFile(this, Pictures::kDialogTitle, Pictures::kDialogFilter);
    if (!path.isEmpty())
        showPhoto(Pictures::load(path));
}

void TfrmAnagrafica::btnZoomClick()
{
    TfrmZoom window(m_photo, this);
    Modal::exec(window);
}

void TfrmAnagrafica::cmdEmailClick()
{
    const QString address = ShortString::trimmed(text(QStringLiteral("Email")));
    if (address.isEmpty()) {
        MessageBox::warning(this, kMailMissing);
        focusField(QStringLiteral("Email"));
        return;
    }
    TMisc::Open(QStringLiteral("\"mailto:") + address + QLatin1Char('"'));
}

void TfrmAnagrafica::btnEmailClick()
{
    const std::pair<const char*, QString> needed[] = {
        {"Tesserato", QStringLiteral("Attenzione: per inviare l'avviso \u00E8 necessario indicare cognome e nome dell'utente.")},
        {"NumTessera", QStringLiteral("Attenzione: per inviare l'avviso \u00E8 necessario indicare il numero della tessera.")},
        {"DataRil", QStringLiteral("Attenzione: per inviare l'avviso \u00E8 necessario indicare la data di rilascio del tesserino.")},
        {"DataScade", QStringLiteral("Attenzione: per inviare l'avviso \u00E8 necessario indicare la data di scadenza del tesserino.")},
        {"Email", QStringLiteral("Attenzione: per inviare l'avviso \u00E8 necessario indicare l'indirizzo e-mail dell'utente.")}};
    for (const auto& [field, message] : needed) {
        if (!requireFilled({field, field, message}))
            return;
    }
    const auto value = [this](const char* field) { return ShortString::trimmed(text(QLatin1String(field))); };
    // Handed over as it is, without percent-encoding: mail programs differ in what they accept.
    TMisc::Open(QStringLiteral("\"mailto:") + value("Email") + QStringLiteral("?subject=Rinnovo tessera biblioteca&body=")
        + QStringLiteral("Gentilissimo Utente ") + value("Tesserato")
        + QStringLiteral(", con la presente le ricordiamo che la sua tessera n. ") + value("NumTessera")
        + QStringLiteral(", rilasciata in data ") + value("DataRil") + QStringLiteral(" e con scadenza in data ")
        + value("DataScade")
        + QStringLiteral(", ha bisogno di essere rinnovata. Pertanto, la preghiamo di recarsi con cortese sollecitudine "
                         "presso i nostri uffici per provvedere al rinnovo. In attesa di un suo riscontro, le porgiamo "
                         "cordiali saluti.\""));
}

Report TfrmAnagrafica::sheet() const
{
    const auto value = [this](const char* field) { return ShortString::trimmed(text(QLatin1String(field))); };
    const QStringList values = {value("Tesserato"), value("Carica"), value("NumTessera"), value("DataRil"),
        value("DataScade"), value("DataNasc"), value("ComuneNasc") + QLatin1Char(' ') + value("ProvNasc"),
        value("ComuneRes") + QStringLiteral("  ") + value("ProvRes"), value("CapRes"), value("IndirizzoRes"),
        value("Titoli"), value("TelCasa"), value("TelUff"), value("TelCel"), value("Recapito"), value("Fax"),
        value("Email"), value("CodFisc"), value("Carta"), value("ScadeCarta"), value("PartitaIva"), value("Iban"),
        value("Intestatario"), value("Note")};
    return memberSheet(values, Clock::now());
}

void TfrmAnagrafica::cmdCodFiscClick()
{
    // Eleven digits are a VAT number typed where the tax code goes.
    const QString code = ShortString::trimmed(text(QStringLiteral("CodFisc")));
    const bool digits = !code.isEmpty()
        && std::all_of(code.begin(), code.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    if (digits) {
        TfrmPartitaIva window(code, this);
        Modal::exec(window);
    } else {
        TfrmCodFisc window(code, this);
        Modal::exec(window);
    }
}
