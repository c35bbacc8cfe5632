#include "CatalogueTable.h"

#include "CodeValidation.h"
#include "ComboLists.h"
#include "ExportWindow.h"
#include "ImportWindow.h"
#include "Modal.h"
#include "RecordType.h"
#include "SearchTable.h"

namespace {

using Kind = CardField::Kind;
using Place = CardField::Place;
using Typing = CardField::Typing;
using Symbol = Artwork::Symbol;

const QString kReadOnly = QStringLiteral(
    "Campo di testo di sola lettura che si autocompila in fase di emissione di una scheda prestito.");

// The texts the two screens share; each adds its own.
QHash<QString, QString> commonStatusTexts()
{
    return {
        {"cmdNuovo", "Predispone la schermata per l'inserimento di una nuova scheda."},
        {"cmdDuplica",
            "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdFile", "Allega file alla scheda corrente."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdImporta", "Importa in archivio le schede di un foglio di calcolo."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"txtPrestato", kReadOnly},
        {"txtScadenza", kReadOnly},
    };
}

// The button bar of both screens.
std::vector<std::vector<BarButton>> buttonBar()
{
    return {{{"cmdNuovo", "&Nuovo", Symbol::New}, {"cmdDuplica", "&Duplica", Symbol::Duplicate},
                {"cmdSalva", "&Salva", Symbol::Save}, {"cmdTrova", "&Trova", Symbol::Catalogue}},
        {{"cmdFile", "&Allega", Symbol::Attach}}, {{"cmdStampa", "Stam&pa", Symbol::Print}}, browsingGroup(),
        {{"cmdEsporta", "Esp&orta", Symbol::Export}, {"cmdImporta", "Importa", Symbol::Import},
            {"cmdDisponibili", "Disponi&bili", Symbol::Available}},
        {{"cmdGuida", "&Guida", Symbol::Help}, {"cmdEsci", "&Esci", Symbol::Exit}}};
}

CatalogueTable makeBooks()
{
    CatalogueTable c;
    CardForm& t = c.form;
    t.objectName = QStringLiteral("frmLibri");
    t.caption = QStringLiteral(" Lettoria 3.0 - Archivio Libri");
    t.helpTopic = QStringLiteral("libri");
    t.type = &RecordType::of<TSchedaLibro>();
    t.buttonBar = buttonBar();
    t.cancelledText = QStringLiteral("Annullata");
    t.fields = {
        {"Titolo", "Titolo libro:", Kind::Edit, Place::Row, 0},
        {"Codice", "Codice:", Kind::Edit, Place::Left, 0, false, Typing::Free, "btnCodice", Symbol::Check},
        {"Scaffale", "Scaffale:", Kind::Edit, Place::Right, 0},
        {"Autore", "Autore:", Kind::Edit, Place::Left, 0},
        {"Nazione", "Nazione:", Kind::Edit, Place::Right, 0},
        {"Curatore", "Curatore:", Kind::Edit, Place::Left, 0},
        {"Dewey", "Dewey:", Kind::Edit, Place::Right, 0, true, Typing::Free, "btnDewey", Symbol::Catalogue},
        {"Pagine", "Pagine:", Kind::Edit, Place::Beside, 0, true},
        {"Genere", "Genere:", Kind::Combo, Place::Left, 0, false, Typing::Free, nullptr, Symbol::Check, ComboLists::bookGenres},
        {"Giudizio", "Giudizio:", Kind::Edit, Place::Right, 0},
        {"Editore", "Casa editrice:", Kind::Edit, Place::Left, 1},
        {"Isbn", "ISBN:", Kind::Edit, Place::Right, 1, false, Typing::UpperOnRelease, "btnGoogle", Symbol::Web},
        {"Citta", "Citt\u00E0:", Kind::Edit, Place::Left, 1},
        {"Anno", "Anno:", Kind::Edit, Place::Right, 1},
        {"Volumi", "Volumi:", Kind::Edit, Place::Left, 1},
        {"Prezzo", "Prezzo:", Kind::Edit, Place::Right, 1},
        {"Collana", "Collana:", Kind::Edit, Place::Left, 1},
        {"Formato", "Formato:", Kind::Edit, Place::Right, 1},
        {"Originale", "Titolo originale:", Kind::Edit, Place::Row, 2},
        {"Lingua", "Lingua:", Kind::Combo, Place::Left, 2, false, Typing::Free, nullptr, Symbol::Check, ComboLists::languages},
        {"Prima", "1^ pubbl.", Kind::Edit, Place::Right, 2},
        {"Traduttore", "Traduttore:", Kind::Edit, Place::Left, 2},
        {"Versione", "Versione:", Kind::Edit, Place::Right, 2},
        {"Note", "Note:", Kind::Edit, Place::Row, 3},
        {"Prestato", "Prestato a:", Kind::ReadOnly, Place::Left, 3},
        {"Scadenza", "Scadenza:", Kind::ReadOnly, Place::Right, 3},
    };
    t.sectionPictures
        = {Artwork::Symbol::Book, Artwork::Symbol::Print, Artwork::Symbol::Web, Artwork::Symbol::Notes};
    c.availableText = QStringLiteral("Libro disponibile per il prestito");
    c.codeMissing = QStringLiteral(
        "Indicare il codice identificativo da assegnare al libro prima di premere il pulsante di convalida.");
    c.codeAlreadyValidated
        = QStringLiteral("Il codice identificativo del libro \u00E8 gi\u00E0 stato convalidato.");
    c.validation = &bookValidation();
    c.webField = "Isbn";
    c.webPrefix = QStringLiteral("ISBN:");
    c.webMissing = QStringLiteral(
        "Attenzione: per poter effettuare una ricerca sul Web \u00E8 necessario compilare il campo relativo "
        "all'ISBN del libro.");
    t.findTable = &booksTable();
    c.availableTable = &availableBooksTable();
    c.exportArchive = [](QWidget* parent) { TfrmExpLibri(parent).runModal(); };
    c.importArchive = [](QWidget* parent) {
        TfrmImpLibri window(parent);
        Modal::exec(window);
    };
    c.sheetWindow = QStringLiteral("frmStampaLibro");
    c.sheetCaption = QStringLiteral(" Stampa scheda libro");
    c.sheetHeading = QStringLiteral("SCHEDA INFORMATIVA LIBRO");
    c.sheetRows = {{"Titolo libro:", "Titolo"}, {"Codice identificativo:", "Codice"}, {"Scaffale:", "Scaffale"},
        {"Autore:", "Autore"}, {"Nazione:", "Nazione"}, {"Curatore:", "Curatore"}, {"Codice Dewey:", "Dewey"},
        {"Pagine:", "Pagine"}, {"Genere:", "Genere"}, {"Giudizio:", "Giudizio"}, {"Casa editrice:", "Editore"},
        {"ISBN:", "Isbn"}, {"Citt\u00E0 pubblicazione:", "Citta"}, {"Anno pubblicazione:", "Anno"},
        {"Volumi:", "Volumi"}, {"Prezzo:", "Prezzo"}, {"Collana:", "Collana"}, {"Formato:", "Formato"},
        {"Titolo originale:", "Originale"}, {"Lingua:", "Lingua"}, {"Prima pubblicazione:", "Prima"},
        {"Traduttore:", "Traduttore"}, {"Versione:", "Versione"}, {"Note:", "Note"}, {"Prestato a:", "Prestato"},
        {"Scadenza prestito:", "Scadenza"}};
    t.marker = QStringLiteral("libri");
    t.statusTexts = commonStatusTexts();
    t.statusTexts.insert(
        "cmdDisponibili", "Trova un libro in archivio fra quelli disponibili per il prestito.");
    t.statusTexts.insert("btnCodice", "Convalida il codice assegnato al libro corrente.");
    t.statusTexts.insert("btnDewey", "Visualizza la Tabella dei Codici Dewey.");
    t.statusTexts.insert(
        "btnGoogle", "Cerca sul Web, tramite Google, informazioni relative al libro con l'ISBN indicato.");
    t.statusTexts.insert("chkAnnullata",
        "Contrassegna la scheda del libro come annullata per escluderla dai risultati di ricerca.");
    return c;
}

CatalogueTable makeDvds()
{
    CatalogueTable c;
    CardForm& t = c.form;
    t.objectName = QStringLiteral("frmDVD");
    t.caption = QStringLiteral(" Lettoria 3.0 - Archivio DVD");
    t.helpTopic = QStringLiteral("dvd");
    t.type = &RecordType::of<TSchedaDVD>();
    t.buttonBar = buttonBar();
    t.cancelledText = QStringLiteral("Annullata");
    t.fields = {
        {"Titolo", "Titolo DVD:", Kind::Edit, Place::Row, 0, false, Typing::Free, "btnGoogle", Symbol::Web},
        {"Codice", "Codice:", Kind::Edit, Place::Left, 0, false, Typing::Free, "btnCodice", Symbol::Check},
        {"Scaffale", "Scaffale:", Kind::Edit, Place::Right, 0},
        {"Regia", "Regia:", Kind::Edit, Place::Left, 0},
        {"Nazione", "Nazione:", Kind::Edit, Place::Right, 0},
        {"Protagonista", "Protagonista:", Kind::Edit, Place::Left, 0},
        {"Anno", "Anno:", Kind::Edit, Place::Right, 0, true},
        {"Durata", "Durata:", Kind::Edit, Place::Beside, 0},
        {"Genere", "Genere:", Kind::Combo, Place::Left, 0, false, Typing::Free, nullptr, Symbol::Check, ComboLists::dvdGenres},
        {"Giudizio", "Giudizio:", Kind::Edit, Place::Right, 0},
        {"Distribuzione", "Distribuzione:", Kind::Edit, Place::Left, 1},
        {"Sceneggiatura", "Sceneggiatura:", Kind::Edit, Place::Right, 1},
        {"Collana", "Collana:", Kind::Edit, Place::Left, 1},
        {"Prezzo", "Prezzo:", Kind::Edit, Place::Right, 1},
        {"Cast", "Cast:", Kind::Edit, Place::Row, 1},
        {"Contenuti", "Contenuti:", Kind::Edit, Place::Row, 1},
        {"Originale", "Titolo originale:", Kind::Edit, Place::Row, 2},
        {"Lingua", "Lingua originale:", Kind::Combo, Place::Left, 2, false, Typing::Free, nullptr, Symbol::Check,
            ComboLists::languages},
        {"AltreLingue", "Altre lingue:", Kind::Edit, Place::Right, 2},
        {"Sottotitoli", "Sottotitoli:", Kind::Edit, Place::Left, 2},
        {"Premi", "Premi:", Kind::Edit, Place::Right, 2, false, Typing::Free, nullptr, Symbol::Check, nullptr, 30},
        {"Note", "Note:", Kind::Edit, Place::Row, 3},
        {"Prestato", "Prestato a:", Kind::ReadOnly, Place::Left, 3},
        {"Scadenza", "Scadenza:", Kind::ReadOnly, Place::Right, 3},
    };
    t.sectionPictures
        = {Artwork::Symbol::Disc, Artwork::Symbol::Member, Artwork::Symbol::Web, Artwork::Symbol::Notes};
    c.availableText = QStringLiteral("DVD disponibile per il prestito");
    c.codeMissing = QStringLiteral(
        "Indicare il codice identificativo da assegnare al DVD prima di premere il pulsante di convalida.");
    c.codeAlreadyValidated
        = QStringLiteral("Il codice identificativo del DVD \u00E8 gi\u00E0 stato convalidato.");
    c.validation = &dvdValidation();
    c.webField = "Titolo";
    c.webMissing = QStringLiteral("Attenzione: per poter effettuare una ricerca sul Web \u00E8 necessario "
                                  "compilare il campo relativo al "
                                  "titolo del DVD.");
    t.findTable = &dvdsTable();
    c.availableTable = &availableDvdsTable();
    c.exportArchive = [](QWidget* parent) { TfrmExpDVD(parent).runModal(); };
    c.importArchive = [](QWidget* parent) {
        TfrmImpDVD window(parent);
        Modal::exec(window);
    };
    c.sheetWindow = QStringLiteral("frmStampaDVD");
    c.sheetCaption = QStringLiteral(" Stampa scheda DVD");
    c.sheetHeading = QStringLiteral("SCHEDA INFORMATIVA DVD");
    c.sheetRows = {{"Titolo DVD:", "Titolo"}, {"Codice identificativo:", "Codice"}, {"Scaffale:", "Scaffale"},
        {"Regia:", "Regia"}, {"Nazione:", "Nazione"}, {"Protagonista:", "Protagonista"}, {"Anno:", "Anno"},
        {"Durata:", "Durata"}, {"Genere:", "Genere"}, {"Giudizio:", "Giudizio"}, {"Distribuzione:", "Distribuzione"},
        {"Sceneggiatura:", "Sceneggiatura"}, {"Collana:", "Collana"}, {"Prezzo:", "Prezzo"}, {"Cast:", "Cast"},
        {"Contenuti:", "Contenuti"}, {"Titolo originale:", "Originale"}, {"Lingua originale:", "Lingua"},
        {"Altre lingue:", "AltreLingue"}, {"Sottotitoli:", "Sottotitoli"}, {"Premi:", "Premi"}, {"Note:", "Note"},
        {"Prestato a:", "Prestato"}, {"Scadenza prestito:", "Scadenza"}};
    t.marker = QStringLiteral("dvd");
    t.statusTexts = commonStatusTexts();
    t.statusTexts.insert(
        "cmdDisponibili", "Trova un DVD in archivio fra quelli disponibili per il prestito.");
    t.statusTexts.insert("btnCodice", "Convalida il codice assegnato al DVD corrente.");
    t.statusTexts.insert(
        "btnGoogle", "Cerca sul Web, tramite Google, informazioni relative al DVD con il titolo indicato.");
    t.statusTexts.insert("chkAnnullata",
        "Contrassegna la scheda del DVD come annullata per escluderla dai risultati di ricerca.");
    return c;
}

// The consultation screen of a card screen: the same fields, read-only and without their buttons,
// a shorter button bar, its own texts and search markers.
CatalogueTable consultation(const CatalogueTable& card, bool books)
{
    CatalogueTable c = card;
    CardForm& t = c.form;
    const QString item = books ? QStringLiteral("un libro") : QStringLiteral("un DVD");
    t.objectName = books ? QStringLiteral("frmConsultaLibri") : QStringLiteral("frmConsultaDVD");
    t.caption = books ? QStringLiteral(" Lettoria 3.0 - Consultazione Catalogo Libri")
                      : QStringLiteral(" Lettoria 3.0 - Consultazione Catalogo DVD");
    t.readOnly = true;
    t.readyText = QStringLiteral("Pronto per consultare una nuova scheda...");
    t.marker = books ? QStringLiteral("consulta_libri") : QStringLiteral("consulta_dvd");
    for (CardField& field : t.fields)
        field.button = nullptr;
    t.buttonBar = {{{"cmdTrova", "&Trova", Symbol::Catalogue}}, {{"cmdStampa", "Stam&pa", Symbol::Print}},
        browsingGroup(), {{"cmdDisponibili", "Disponi&bili", Symbol::Available}},
        {{"cmdEsci", "&Esci", Symbol::Exit}}};
    t.statusTexts = {
        {"cmdTrova", QStringLiteral("Trova %1 in catalogo.").arg(item)},
        {"cmdDisponibili", QStringLiteral("Trova %1 in catalogo fra quelli disponibili per il prestito.").arg(item)},
        {"cmdStampa", books ? QStringLiteral("Stampa la scheda del libro selezionato.")
                            : QStringLiteral("Stampa la scheda del DVD selezionato.")},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
    };
    // The loan fields start empty here; the sheet has its own window.
    c.availableText = QString();
    c.sheetWindow += QStringLiteral("02");
    c.exportArchive = nullptr;
    c.importArchive = nullptr;
    return c;
}

} // namespace

const CatalogueTable& booksConsultation()
{
    static const CatalogueTable table = consultation(booksCard(), true);
    return table;
}

const CatalogueTable& dvdsConsultation()
{
    static const CatalogueTable table = consultation(dvdsCard(), false);
    return table;
}

const CatalogueTable& booksCard()
{
    static const CatalogueTable table = makeBooks();
    return table;
}

const CatalogueTable& dvdsCard()
{
    static const CatalogueTable table = makeDvds();
    return table;
}
