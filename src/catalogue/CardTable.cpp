#include "CardTable.h"

#include "CodeValidation.h"
#include "ComboLists.h"
#include "RecordType.h"
#include "SearchTable.h"

namespace {

using Kind = CardField::Kind;
using Place = CardField::Place;

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
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"txtPrestato", kReadOnly},
        {"txtScadenza", kReadOnly},
    };
}

CardTable makeBooks()
{
    CardTable t;
    t.objectName = QStringLiteral("frmLibri");
    t.caption = QStringLiteral(" Lettoria 3.0 - Archivio Libri");
    t.helpTopic = QStringLiteral("libri");
    t.type = &RecordType::of<TSchedaLibro>();
    t.fields = {
        {"Titolo", "Titolo libro:", Kind::Edit, 250, Place::Row, 0},
        {"Codice", "Codice:", Kind::Edit, 24, Place::Left, 0, false, "btnCodice"},
        {"Scaffale", "Scaffale:", Kind::Edit, 50, Place::Right, 0},
        {"Autore", "Autore:", Kind::Edit, 50, Place::Left, 0},
        {"Nazione", "Nazione:", Kind::Edit, 50, Place::Right, 0},
        {"Curatore", "Curatore:", Kind::Edit, 50, Place::Left, 0},
        {"Dewey", "Dewey:", Kind::Edit, 3, Place::Right, 0, true, "btnDewey"},
        {"Pagine", "Pagine:", Kind::Edit, 12, Place::Beside, 0, true},
        {"Genere", "Genere:", Kind::Combo, 50, Place::Left, 0, false, nullptr, ComboLists::bookGenres},
        {"Giudizio", "Giudizio:", Kind::Edit, 50, Place::Right, 0},
        {"Editore", "Casa editrice:", Kind::Edit, 50, Place::Left, 1},
        {"Isbn", "ISBN:", Kind::Edit, 50, Place::Right, 1, false, "btnGoogle"},
        {"Citta", "Citt\u00E0:", Kind::Edit, 50, Place::Left, 1},
        {"Anno", "Anno:", Kind::Edit, 30, Place::Right, 1},
        {"Volumi", "Volumi:", Kind::Edit, 30, Place::Left, 1},
        {"Prezzo", "Prezzo:", Kind::Edit, 30, Place::Right, 1},
        {"Collana", "Collana:", Kind::Edit, 50, Place::Left, 1},
        {"Formato", "Formato:", Kind::Edit, 50, Place::Right, 1},
        {"Originale", "Titolo originale:", Kind::Edit, 250, Place::Row, 2},
        {"Lingua", "Lingua:", Kind::Combo, 30, Place::Left, 2, false, nullptr, ComboLists::languages},
        {"Prima", "1^ pubbl.", Kind::Edit, 30, Place::Right, 2},
        {"Traduttore", "Traduttore:", Kind::Edit, 50, Place::Left, 2},
        {"Versione", "Versione:", Kind::Edit, 30, Place::Right, 2},
        {"Note", "Note:", Kind::Edit, 250, Place::Row, 3},
        {"Prestato", "Prestato a:", Kind::ReadOnly, 120, Place::Left, 3},
        {"Scadenza", "Scadenza:", Kind::ReadOnly, 10, Place::Right, 3},
    };
    t.sectionPictures
        = {Artwork::Symbol::Book, Artwork::Symbol::Print, Artwork::Symbol::Web, Artwork::Symbol::Notes};
    t.availableText = QStringLiteral("Libro disponibile per il prestito");
    t.checks = {
        {"Titolo", "Titolo",
            "Attenzione: per salvare la scheda \u00E8 necessario indicare il titolo del libro."},
        {"Codice", "Codice",
            "Attenzione: per salvare la scheda \u00E8 necessario indicare il codice identificativo del "
            "libro."},
        {"Convalida", "Codice",
            "Attenzione: per salvare la scheda \u00E8 necessario convalidare il codice identificativo del "
            "libro "
            "utilizzando il pulsante a destra del campo di testo Codice."},
        {"Autore", "Autore",
            "Attenzione: per salvare la scheda \u00E8 necessario indicare l'autore del libro."},
    };
    t.codeMissing = QStringLiteral(
        "Indicare il codice identificativo da assegnare al libro prima di premere il pulsante di convalida.");
    t.codeAlreadyValidated
        = QStringLiteral("Il codice identificativo del libro \u00E8 gi\u00E0 stato convalidato.");
    t.validation = &bookValidation();
    t.upperCaseField = "Isbn";
    t.webField = "Isbn";
    t.webPrefix = QStringLiteral("ISBN:");
    t.webMissing = QStringLiteral(
        "Attenzione: per poter effettuare una ricerca sul Web \u00E8 necessario compilare il campo relativo "
        "all'ISBN del libro.");
    t.findTable = &booksTable();
    t.availableTable = &availableBooksTable();
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
    return t;
}

CardTable makeDvds()
{
    CardTable t;
    t.objectName = QStringLiteral("frmDVD");
    t.caption = QStringLiteral(" Lettoria 3.0 - Archivio DVD");
    t.helpTopic = QStringLiteral("dvd");
    t.type = &RecordType::of<TSchedaDVD>();
    t.fields = {
        {"Titolo", "Titolo DVD:", Kind::Edit, 250, Place::Row, 0, false, "btnGoogle"},
        {"Codice", "Codice:", Kind::Edit, 24, Place::Left, 0, false, "btnCodice"},
        {"Scaffale", "Scaffale:", Kind::Edit, 50, Place::Right, 0},
        {"Regia", "Regia:", Kind::Edit, 50, Place::Left, 0},
        {"Nazione", "Nazione:", Kind::Edit, 50, Place::Right, 0},
        {"Protagonista", "Protagonista:", Kind::Edit, 50, Place::Left, 0},
        {"Anno", "Anno:", Kind::Edit, 4, Place::Right, 0, true},
        {"Durata", "Durata:", Kind::Edit, 30, Place::Beside, 0},
        {"Genere", "Genere:", Kind::Combo, 50, Place::Left, 0, false, nullptr, ComboLists::dvdGenres},
        {"Giudizio", "Giudizio:", Kind::Edit, 50, Place::Right, 0},
        {"Distribuzione", "Distribuzione:", Kind::Edit, 50, Place::Left, 1},
        {"Sceneggiatura", "Sceneggiatura:", Kind::Edit, 50, Place::Right, 1},
        {"Collana", "Collana:", Kind::Edit, 50, Place::Left, 1},
        {"Prezzo", "Prezzo:", Kind::Edit, 30, Place::Right, 1},
        {"Cast", "Cast:", Kind::Edit, 250, Place::Row, 1},
        {"Contenuti", "Contenuti:", Kind::Edit, 250, Place::Row, 1},
        {"Originale", "Titolo originale:", Kind::Edit, 250, Place::Row, 2},
        {"Lingua", "Lingua originale:", Kind::Combo, 30, Place::Left, 2, false, nullptr,
            ComboLists::languages},
        {"AltreLingue", "Altre lingue:", Kind::Edit, 50, Place::Right, 2},
        {"Sottotitoli", "Sottotitoli:", Kind::Edit, 50, Place::Left, 2},
        {"Premi", "Premi:", Kind::Edit, 50, Place::Right, 2, false, nullptr, nullptr, 30},
        {"Note", "Note:", Kind::Edit, 250, Place::Row, 3},
        {"Prestato", "Prestato a:", Kind::ReadOnly, 120, Place::Left, 3},
        {"Scadenza", "Scadenza:", Kind::ReadOnly, 10, Place::Right, 3},
    };
    t.sectionPictures
        = {Artwork::Symbol::Disc, Artwork::Symbol::Member, Artwork::Symbol::Web, Artwork::Symbol::Notes};
    t.availableText = QStringLiteral("DVD disponibile per il prestito");
    t.checks = {
        {"Titolo", "Titolo",
            "Attenzione: per salvare la scheda \u00E8 necessario indicare il titolo del DVD."},
        {"Codice", "Codice",
            "Attenzione: per salvare la scheda \u00E8 necessario indicare il codice identificativo del DVD."},
        {"Convalida", "Codice",
            "Attenzione: per salvare la scheda \u00E8 necessario convalidare il codice identificativo del "
            "DVD "
            "utilizzando il pulsante a destra del campo di testo Codice."},
    };
    t.codeMissing = QStringLiteral(
        "Indicare il codice identificativo da assegnare al DVD prima di premere il pulsante di convalida.");
    t.codeAlreadyValidated
        = QStringLiteral("Il codice identificativo del DVD \u00E8 gi\u00E0 stato convalidato.");
    t.validation = &dvdValidation();
    t.webField = "Titolo";
    t.webMissing = QStringLiteral("Attenzione: per poter effettuare una ricerca sul Web \u00E8 necessario "
                                  "compilare il campo relativo al "
                                  "titolo del DVD.");
    t.findTable = &dvdsTable();
    t.availableTable = &availableDvdsTable();
    t.marker = QStringLiteral("dvd");
    t.statusTexts = commonStatusTexts();
    t.statusTexts.insert(
        "cmdDisponibili", "Trova un DVD in archivio fra quelli disponibili per il prestito.");
    t.statusTexts.insert("btnCodice", "Convalida il codice assegnato al DVD corrente.");
    t.statusTexts.insert(
        "btnGoogle", "Cerca sul Web, tramite Google, informazioni relative al DVD con il titolo indicato.");
    t.statusTexts.insert("chkAnnullata",
        "Contrassegna la scheda del DVD come annullata per escluderla dai risultati di ricerca.");
    return t;
}

} // namespace

const CardTable& booksCard()
{
    static const CardTable table = makeBooks();
    return table;
}

const CardTable& dvdsCard()
{
    static const CardTable table = makeDvds();
    return table;
}
