#include "ExportTables.h"

#include "RecordType.h"

namespace {

using Rows = ExportTable::Rows;

ExportColumn same(const char* header, int width, const char* field)
{
    return {QString::fromUtf8(header), QString::fromUtf8(header), width, {QLatin1String(field)}};
}

ExportTable makeBooks()
{
    ExportTable t {QStringLiteral("frmExpLibri"),
        QStringLiteral(" Esporta archivio libri in Microsoft Excel"), QStringLiteral("esporta_libri"),
        QStringLiteral("Riepilogo Libri"), QStringLiteral("Libri.xls"), &RecordType::of<TSchedaLibro>(),
        Rows::Archive, {}};
    t.columns = {same("Titolo libro", 350, "Titolo"), same("Codice identificativo", 250, "Codice"),
        same("Scaffale", 250, "Scaffale"), same("Autore", 280, "Autore"), same("Nazione", 250, "Nazione"),
        same("Curatore", 250, "Curatore"), same("Codice Dewey", 150, "Dewey"), same("Pagine", 100, "Pagine"),
        same("Genere", 250, "Genere"), same("Giudizio", 250, "Giudizio"),
        same("Casa editrice", 250, "Editore"), same("ISBN", 200, "Isbn"),
        same("Citt\u00E0 pubblicazione", 250, "Citta"), same("Anno pubblicazione", 200, "Anno"),
        same("Volumi", 200, "Volumi"), same("Prezzo", 200, "Prezzo"), same("Collana", 250, "Collana"),
        same("Formato", 250, "Formato"), same("Titolo originale", 300, "Originale"),
        same("Lingua", 250, "Lingua"), same("Prima pubblicazione", 200, "Prima"),
        same("Traduttore", 250, "Traduttore"), same("Versione", 250, "Versione"), same("Note", 350, "Note"),
        same("Scheda annullata", 150, "Annullata")};
    return t;
}

ExportTable makeDvds()
{
    ExportTable t {QStringLiteral("frmExpDVD"), QStringLiteral(" Esporta archivio DVD in Microsoft Excel"),
        QStringLiteral("esporta_dvd"), QStringLiteral("Riepilogo DVD"), QStringLiteral("DVD.xls"),
        &RecordType::of<TSchedaDVD>(), Rows::Archive, {}};
    t.columns = {same("Titolo DVD", 350, "Titolo"), same("Codice identificativo", 250, "Codice"),
        same("Scaffale", 250, "Scaffale"), same("Regia", 250, "Regia"), same("Nazione", 250, "Nazione"),
        same("Protagonista", 250, "Protagonista"),
        {QStringLiteral("Anno pubblicazione"), QStringLiteral("Anno"), 150, {QStringLiteral("Anno")}},
        same("Durata", 200, "Durata"), same("Genere", 250, "Genere"), same("Giudizio", 250, "Giudizio"),
        same("Distribuzione", 250, "Distribuzione"), same("Sceneggiatura", 250, "Sceneggiatura"),
        same("Collana", 250, "Collana"), same("Prezzo", 200, "Prezzo"), same("Cast", 350, "Cast"),
        same("Contenuti", 350, "Contenuti"), same("Titolo originale", 300, "Originale"),
        same("Lingua originale", 250, "Lingua"), same("Altre lingue", 300, "AltreLingue"),
        same("Sottotitoli", 250, "Sottotitoli"), same("Premi", 250, "Premi"), same("Note", 250, "Note"),
        same("Scheda annullata", 150, "Annullata")};
    return t;
}

ExportTable makeMembers()
{
    ExportTable t {QStringLiteral("frmExpAnagrafica"),
        QStringLiteral(" Esporta archivio anagrafico utenti in Microsoft Excel"),
        QStringLiteral("esporta_anagrafica"), QStringLiteral("Riepilogo Anagrafica Utenti"),
        QStringLiteral("Tesserati.xls"), &RecordType::of<TSchedaTesserato>(), Rows::Archive, {}};
    t.columns = {same("Cognome e nome", 250, "Tesserato"), same("Informazioni aggiuntive", 250, "Carica"),
        same("Tessera n.", 250, "NumTessera"), same("Data di rilascio", 200, "DataRil"),
        same("Data di scadenza", 200, "DataScade"), same("Data di nascita", 200, "DataNasc"),
        {QStringLiteral("Comune di nascita"), QStringLiteral("Comune di nascita"), 250,
            {QStringLiteral("ComuneNasc"), QStringLiteral("ProvNasc")}},
        same("Sesso", 100, "Sesso"),
        {QStringLiteral("Comune di residenza"), QStringLiteral("Comune di residenza"), 250,
            {QStringLiteral("CapRes"), QStringLiteral("ComuneRes"), QStringLiteral("ProvRes")}},
        same("Via e numero civico", 300, "IndirizzoRes"),
        {QStringLiteral("Titolo di studio e altre qualifiche"),
            QStringLiteral("Titoli di studio e altre qualifiche"), 300, {QStringLiteral("Titoli")}},
        same("Tel. casa", 200, "TelCasa"), same("Tel. ufficio", 200, "TelUff"),
        same("Tel. cellulare", 200, "TelCel"), same("Recapito preferenziale", 250, "Recapito"),
        same("Fax", 200, "Fax"), same("E-mail", 250, "Email"),
        {QStringLiteral("Codice Fiscale"), QStringLiteral("Codice fiscale"), 250,
            {QStringLiteral("CodFisc")}},
        same("Carta di credito n.", 250, "Carta"), same("Scadenza carta di credito", 220, "ScadeCarta"),
        same("Partita IVA", 250, "PartitaIva"), same("IBAN", 280, "Iban"),
        same("Intestatario C/C", 250, "Intestatario"), same("Note", 350, "Note"),
        same("Tessera annullata", 150, "Annullata")};
    return t;
}

ExportTable makeLoans(bool overdue)
{
    ExportTable t {overdue ? QStringLiteral("frmExpPrestitiSca") : QStringLiteral("frmExpPrestiti"),
        overdue ? QStringLiteral(" Riepilogo prestiti scaduti in Microsoft Excel")
                : QStringLiteral(" Esporta archivio prestiti libri e DVD in Microsoft Excel"),
        overdue ? QStringLiteral("esporta_scaduti") : QStringLiteral("esporta_prestiti"),
        overdue ? QStringLiteral("Prestiti Scaduti") : QStringLiteral("Registro Prestiti"),
        overdue ? QStringLiteral("Prestiti_Scaduti.xls") : QStringLiteral("Registro_Prestiti.xls"),
        &RecordType::of<TSchedaPrestito>(), overdue ? Rows::Overdue : Rows::Register, {}};
    const auto column = [](const char* header, int width, const char* field, int gridWidth) {
        ExportColumn c = same(header, width, field);
        c.gridWidth = gridWidth;
        return c;
    };
    t.columns = {column("Data prestito", 180, "Data", 150), column("Tipo", 180, "Tipo", 100),
        column("Codice identificativo", 200, "Codice", 180), column("Titolo", 350, "Titolo", 350),
        column("Data scadenza", 180, "DataSca", 150), column("Data restituzione", 180, "DataRes", 150),
        column("Cognome e nome utente", 250, "Tesserato", 250), column("Tessera n.", 200, "NumTessera", 200),
        column("Recapito preferenziale", 250, "Recapito", 200)};
    return t;
}

} // namespace

namespace ExportTables {

const ExportTable& books()
{
    static const ExportTable table = makeBooks();
    return table;
}

const ExportTable& dvds()
{
    static const ExportTable table = makeDvds();
    return table;
}

const ExportTable& members()
{
    static const ExportTable table = makeMembers();
    return table;
}

const ExportTable& loans()
{
    static const ExportTable table = makeLoans(false);
    return table;
}

const ExportTable& overdue()
{
    static const ExportTable table = makeLoans(true);
    return table;
}

} // namespace ExportTables
