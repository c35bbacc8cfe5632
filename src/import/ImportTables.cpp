#include "ImportTables.h"

#include "Clock.h"
#include "Dates.h"
#include "ExportTables.h"
#include "RecordType.h"
#include "Rules.h"
#include "ShortString.h"

namespace {

// The words spreadsheets usually head a column with, by the record field it holds.
const QHash<QString, QStringList>& synonyms()
{
    static const QHash<QString, QStringList> words = {
        {"Titolo", {"titolo", "title", "titolo del libro", "titolo film", "titolo del film", "opera"}},
        {"Codice",
            {"codice", "code", "id", "inventario", "n. inventario", "numero inventario",
                "numero di inventario", "codice libro", "codice dvd", "codice a barre", "barcode",
                "inventory", "item code"}},
        {"Scaffale",
            {"scaffale", "collocazione", "posizione", "segnatura", "shelf", "location", "call number"}},
        {"Autore", {"autore", "autori", "autore/i", "author", "authors", "scrittore"}},
        {"Nazione", {"nazione", "paese", "nazionalit\u00E0", "country"}},
        {"Curatore", {"curatore", "a cura di", "curatela", "editor"}},
        {"Dewey", {"dewey", "cdd", "ddc", "classe dewey", "classificazione", "classificazione dewey"}},
        {"Pagine", {"pagine", "pag.", "pp.", "numero pagine", "numero di pagine", "n. pagine", "pages"}},
        {"Genere", {"genere", "categoria", "genre", "category"}},
        {"Giudizio", {"giudizio", "valutazione", "voto", "rating"}},
        {"Editore", {"editore", "casa editrice", "edizioni", "publisher"}},
        {"Isbn", {"isbn", "isbn 10", "isbn 13", "isbn-10", "isbn-13", "ean"}},
        {"Citta", {"citt\u00E0", "luogo", "luogo di pubblicazione", "luogo di edizione", "city", "place"}},
        {"Anno",
            {"anno", "anno di pubblicazione", "anno di edizione", "anno edizione", "data di pubblicazione",
                "year", "publication year"}},
        {"Volumi", {"volumi", "volume", "vol.", "volumes"}},
        {"Prezzo", {"prezzo", "costo", "valore", "price"}},
        {"Collana", {"collana", "serie", "series"}},
        {"Formato", {"formato", "supporto", "format"}},
        {"Originale", {"titolo originale", "original title"}},
        {"Lingua", {"lingua", "lingua originale", "language"}},
        {"Prima", {"prima pubblicazione", "prima edizione", "1^ pubbl.", "first published", "first edition"}},
        {"Traduttore", {"traduttore", "traduttrice", "traduzione", "tradotto da", "translator"}},
        {"Versione", {"versione", "edizione", "edition"}},
        {"Note", {"note", "nota", "annotazioni", "osservazioni", "notes", "remarks"}},
        {"Annullata", {"annullata", "annullato", "scheda annullata", "tessera annullata", "cancelled"}},
        {"Regia", {"regia", "regista", "director", "directed by"}},
        {"Protagonista", {"protagonista", "protagonisti", "interprete principale", "starring"}},
        {"Durata", {"durata", "minuti", "durata (minuti)", "running time", "runtime", "length"}},
        {"Distribuzione", {"distribuzione", "distributore", "casa di distribuzione", "distributor"}},
        {"Sceneggiatura", {"sceneggiatura", "sceneggiatore", "sceneggiatori", "screenplay", "writer"}},
        {"Cast", {"cast", "interpreti", "attori", "actors"}},
        {"Contenuti", {"contenuti", "contenuto", "trama", "descrizione", "plot", "description"}},
        {"AltreLingue", {"altre lingue", "lingue", "lingue audio", "audio"}},
        {"Sottotitoli", {"sottotitoli", "subtitles"}},
        {"Premi", {"premi", "riconoscimenti", "awards"}},
        {"Tesserato",
            {"cognome e nome", "nome e cognome", "nominativo", "utente", "tesserato", "iscritto", "socio",
                "lettore", "name", "full name"}},
        {"Carica", {"informazioni aggiuntive", "carica", "ruolo", "classe", "qualifica"}},
        {"NumTessera",
            {"tessera", "tessera n.", "numero tessera", "numero di tessera", "n. tessera", "matricola",
                "card", "card number"}},
        {"DataRil",
            {"data di rilascio", "data rilascio", "rilascio", "data di iscrizione", "data iscrizione",
                "iscrizione", "issue date"}},
        {"DataScade",
            {"data di scadenza", "data scadenza", "scadenza", "scadenza tessera", "expiry date", "expires"}},
        {"DataNasc",
            {"data di nascita", "nato il", "nata il", "nascita", "date of birth", "birth date", "birthday"}},
        {"Sesso", {"sesso", "genere", "m/f", "sex", "gender"}},
        {"ComuneRes", {"comune", "citt\u00E0", "localit\u00E0", "city", "town"}},
        {"ProvRes", {"provincia", "prov.", "sigla provincia", "province"}},
        {"CapRes", {"cap", "c.a.p.", "codice postale", "zip", "zip code", "postal code", "postcode"}},
        {"IndirizzoRes", {"via e numero civico", "indirizzo", "via", "address", "street"}},
        {"Preavviso", {"preavviso", "giorni di preavviso"}},
        {"Titoli",
            {"titolo di studio", "titoli di studio", "titolo di studio e altre qualifiche", "qualifiche",
                "studi", "education"}},
        {"TelCasa",
            {"tel. casa", "telefono", "telefono casa", "telefono di casa", "tel.", "phone", "home phone"}},
        {"TelUff", {"tel. ufficio", "telefono ufficio", "telefono lavoro", "office phone", "work phone"}},
        {"TelCel", {"tel. cellulare", "cellulare", "cell.", "telefono cellulare", "mobile", "mobile phone"}},
        {"Recapito", {"recapito", "recapito preferenziale", "contatto"}},
        {"Fax", {"fax"}},
        {"Email", {"e-mail", "email", "mail", "posta elettronica", "indirizzo e-mail", "indirizzo email"}},
        {"CodFisc", {"codice fiscale", "cod. fiscale", "c.f.", "cf", "tax code"}},
        {"Carta", {"carta di credito", "carta di credito n.", "numero carta", "credit card"}},
        {"ScadeCarta", {"scadenza carta", "scadenza carta di credito", "card expiry"}},
        {"PartitaIva", {"partita iva", "p. iva", "p.iva", "piva", "vat", "vat number"}},
        {"Iban", {"iban", "conto corrente", "c/c"}},
        {"Intestatario", {"intestatario", "intestatario c/c", "intestatario conto", "account holder"}},
    };
    return words;
}

// The words for the cells the member export joins, by the export's header.
const QHash<QString, QStringList>& joinedSynonyms()
{
    static const QHash<QString, QStringList> words = {
        {"Comune di nascita", {"luogo di nascita", "nato a", "nata a", "place of birth", "birthplace"}},
        {"Comune di residenza", {"residenza", "luogo di residenza", "residente a"}},
    };
    return words;
}

// The targets of an archive's import: every export column (a joined one as a whole), then the
// fields the export holds only inside a joined cell or not at all, each with its own label.
ImportTable make(ImportTable t, const QList<std::pair<QString, QString>>& ownFields,
    const QHash<QString, QString>& joinedLabels)
{
    // The first target given a header keeps it: export headers, then labels and names, then words.
    const auto add = [&t](const QString& header, int target) {
        const QString key = ImportTable::headerKey(header);
        if (!key.isEmpty() && !t.headers.contains(key))
            t.headers.insert(key, target);
    };
    for (const ExportColumn& column : t.exported->columns) {
        const int target = int(t.targets.size());
        t.targets.append({joinedLabels.value(column.gridHeader, column.gridHeader), column.fields});
        if (column.fields.size() == 1)
            t.labels.insert(column.fields.front(), column.gridHeader);
        add(column.gridHeader, target);
        add(column.sheetHeader, target);
    }
    for (const auto& [field, label] : ownFields) {
        t.targets.append({label, {field}});
        t.labels.insert(field, label);
    }
    for (int target = 0; target < t.targets.size(); ++target) {
        const ImportTarget& it = t.targets.at(target);
        add(it.label, target);
        if (it.fields.size() == 1)
            add(it.fields.front(), target);
    }
    for (int target = 0; target < t.targets.size(); ++target) {
        const ImportTarget& it = t.targets.at(target);
        const QStringList words = it.fields.size() == 1
            ? synonyms().value(it.fields.front())
            : joinedSynonyms().value(t.exported->columns.at(target).gridHeader);
        for (const QString& word : words)
            add(word, target);
    }
    return t;
}

QHash<QString, QString> catalogueStart()
{
    return {{QStringLiteral("Annullata"), ShortString::kNo}};
}

QHash<QString, QString> memberStart()
{
    return {{QStringLiteral("Annullata"), ShortString::kNo},
        {QStringLiteral("Preavviso"), QStringLiteral("0")},
        {QStringLiteral("DataRil"), Dates::format(Clock::today())}};
}

ImportTable catalogue(const QString& objectName, const QString& caption, const QString& rejects,
    const ExportTable& exported, const QString& available)
{
    ImportTable t;
    t.objectName = objectName;
    t.caption = caption;
    t.rejectsFile = rejects;
    t.exported = &exported;
    t.type = exported.type;
    t.codeField = QStringLiteral("Codice");
    // Checked unique by the import itself; ready for loan as a new card is.
    t.fixed = {{QStringLiteral("Convalida"), ShortString::kYes}, {QStringLiteral("Prestato"), available},
        {QStringLiteral("Scadenza"), QString()}};
    t.starting = catalogueStart;
    return make(t, {}, {});
}

} // namespace

int ImportTable::match(const QString& header) const
{
    return headers.value(headerKey(header), -1);
}

QString ImportTable::fieldLabel(const QString& field) const
{
    return labels.value(field, field);
}

QString ImportTable::headerKey(const QString& header)
{
    QString key;
    for (const QChar c : header.normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber())
            key += c.toLower();
    }
    return key;
}

const ImportTable& booksImport()
{
    static const ImportTable table = catalogue(QStringLiteral("frmImpLibri"),
        QStringLiteral(" Importa archivio libri da un foglio di calcolo"),
        QStringLiteral("Libri_scartati.csv"), ExportTables::books(), Rules::kBookAvailable);
    return table;
}

const ImportTable& dvdsImport()
{
    static const ImportTable table = catalogue(QStringLiteral("frmImpDVD"),
        QStringLiteral(" Importa archivio DVD da un foglio di calcolo"), QStringLiteral("DVD_scartati.csv"),
        ExportTables::dvds(), Rules::kDvdAvailable);
    return table;
}

const ImportTable& membersImport()
{
    static const ImportTable table = [] {
        ImportTable t;
        t.objectName = QStringLiteral("frmImpAnagrafica");
        t.caption = QStringLiteral(" Importa archivio anagrafico utenti da un foglio di calcolo");
        t.rejectsFile = QStringLiteral("Tesserati_scartati.csv");
        t.exported = &ExportTables::members();
        t.type = t.exported->type;
        t.starting = memberStart;
        return make(t,
            {{"ComuneNasc", "Comune di nascita (solo il comune)"}, {"ProvNasc", "Provincia di nascita"},
                {"CapRes", "CAP di residenza"}, {"ComuneRes", "Comune di residenza (solo il comune)"},
                {"ProvRes", "Provincia di residenza"}, {"Preavviso", "Giorni di preavviso"}},
            {{"Comune di nascita", "Comune di nascita (comune e provincia)"},
                {"Comune di residenza", "Comune di residenza (CAP, comune e provincia)"}});
    }();
    return table;
}
