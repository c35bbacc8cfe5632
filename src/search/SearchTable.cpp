#include "SearchTable.h"

#include "ListLines.h"
#include "Records.h"

namespace {

template <class R> FieldSpot spotOf(const char* name)
{
    return RecordType::of<R>().spot(QLatin1String(name));
}

LineBuilder bookLineBuilder()
{
    using R = TSchedaLibro;
    LineBuilder b;
    b.text("Cod. ")
        .pad(spotOf<R>("Codice"), 24)
        .text("  ")
        .pad(spotOf<R>("Titolo"), 50)
        .text("  ")
        .pad(spotOf<R>("Autore"), 30)
        .text("  ")
        .trim(spotOf<R>("Citta"))
        .text(" ")
        .trim(spotOf<R>("Editore"))
        .text(" ")
        .trim(spotOf<R>("Anno"));
    return b;
}

LineBuilder dvdLineBuilder()
{
    using R = TSchedaDVD;
    LineBuilder b;
    b.text("Cod. ")
        .pad(spotOf<R>("Codice"), 24)
        .text("  ")
        .pad(spotOf<R>("Titolo"), 46)
        .text("  Regia: ")
        .pad(spotOf<R>("Regia"), 28)
        .text("  Anno: ")
        .pad(spotOf<R>("Anno"), 4)
        .text("  Prot. ")
        .trim(spotOf<R>("Protagonista"));
    return b;
}

SearchTable bookTable(bool availableOnly)
{
    SearchTable t;
    t.objectName = availableOnly ? QStringLiteral("frmTrovaDisponibili") : QStringLiteral("frmTrovaLibri");
    t.caption = availableOnly ? QStringLiteral(" Trova libri disponibili per il prestito")
                              : QStringLiteral(" Trova libri in archivio");
    t.printTitle = availableOnly ? QStringLiteral("Riepilogo libri disponibili per il prestito")
                                 : QStringLiteral("Riepilogo libri in archivio");
    t.availableOnly = availableOnly;
    t.criteria = {{{"Titolo libro:", "Titolo"}, {"Codice identificativo:", "Codice"}, {"Autore:", "Autore"},
        {"Curatore:", "Curatore"}, {"Genere:", "Genere"}, {"Casa editrice:", "Editore"}, {"ISBN:", "Isbn"},
        {"Lingua:", "Lingua"}, {"Codice Dewey:", "Dewey"}, {"Note:", "Note"}}};
    const QStringList all = RecordType::of<TSchedaLibro>().names();
    t.handBack = {{QStringLiteral("libri"), all}, {QStringLiteral("consulta_libri"), all}};
    t.type = &RecordType::of<TSchedaLibro>();
    t.listLine = bookLineBuilder();
    return t;
}

SearchTable dvdTable(bool availableOnly)
{
    SearchTable t;
    t.objectName = availableOnly ? QStringLiteral("frmTrovaDisponibiliDVD") : QStringLiteral("frmTrovaDVD");
    t.caption = availableOnly ? QStringLiteral(" Trova DVD disponibili per il prestito")
                              : QStringLiteral(" Trova DVD in archivio");
    t.printTitle = availableOnly ? QStringLiteral("Riepilogo DVD disponibili per il prestito")
                                 : QStringLiteral("Riepilogo DVD in archivio");
    t.availableOnly = availableOnly;
    t.criteria = {{{"Titolo DVD:", "Titolo"}, {"Codice identificativo:", "Codice"}, {"Regia:", "Regia"},
        {"Protagonista:", "Protagonista"}, {"Genere:", "Genere"}, {"Cast:", "Cast"}, {"Nazione:", "Nazione"},
        {"Lingua originale:", "Lingua"}, {"Contenuti:", "Contenuti"}, {"Note:", "Note"}}};
    const QStringList all = RecordType::of<TSchedaDVD>().names();
    t.handBack = {{QStringLiteral("dvd"), all}, {QStringLiteral("consulta_dvd"), all}};
    t.type = &RecordType::of<TSchedaDVD>();
    t.listLine = dvdLineBuilder();
    return t;
}

// The pickers of the lending screen: the "disponibili" windows under their own names, answering
// the lending screen only.
SearchTable pickerTable(bool books)
{
    SearchTable t = books ? bookTable(true) : dvdTable(true);
    t.objectName = books ? QStringLiteral("frmTrovaPrestitiLibri") : QStringLiteral("frmTrovaPrestitiDVD");
    t.handBack = {{books ? QStringLiteral("prestiti_libri") : QStringLiteral("prestiti_dvd"),
        {QStringLiteral("Titolo"), QStringLiteral("Codice")}}};
    return t;
}

SearchTable memberTable()
{
    SearchTable t;
    t.objectName = QStringLiteral("frmTrovaAnagrafica");
    t.caption = QStringLiteral(" Trova utenti in archivio");
    t.printTitle = QStringLiteral("Riepilogo anagrafica utenti");
    t.criteria = {{{"Cognome e nome:", "Tesserato"}, {"Informazioni aggiuntive:", "Carica"},
        {"Tessera n.", "NumTessera"}, {"Data di rilascio:", "DataRil"}, {"Data di scadenza:", "DataScade"},
        {"Comune di nascita:", "ComuneNasc"}, {"Comune di residenza:", "ComuneRes"},
        {"Codice Fiscale:", "CodFisc"}, {"Titolo di studio e altre qualifiche:", "Titoli"},
        {"Note:", "Note"}}};
    const QStringList contact
        = {QStringLiteral("Tesserato"), QStringLiteral("NumTessera"), QStringLiteral("Recapito")};
    t.handBack = {{QStringLiteral("anagrafica"), RecordType::of<TSchedaTesserato>().names()},
        {QStringLiteral("tessera"),
            {QStringLiteral("Tesserato"), QStringLiteral("Carica"), QStringLiteral("NumTessera"),
                QStringLiteral("DataRil"), QStringLiteral("DataScade")}},
        {QStringLiteral("reg_prestiti"), contact}, {QStringLiteral("reg_restituzioni"), contact}};
    t.type = &RecordType::of<TSchedaTesserato>();
    t.listLine = memberListLine();
    return t;
}

} // namespace

const SearchTable& booksTable()
{
    static const SearchTable table = bookTable(false);
    return table;
}

const SearchTable& availableBooksTable()
{
    static const SearchTable table = bookTable(true);
    return table;
}

const SearchTable& dvdsTable()
{
    static const SearchTable table = dvdTable(false);
    return table;
}

const SearchTable& availableDvdsTable()
{
    static const SearchTable table = dvdTable(true);
    return table;
}

const SearchTable& loanBooksTable()
{
    static const SearchTable table = pickerTable(true);
    return table;
}

const SearchTable& loanDvdsTable()
{
    static const SearchTable table = pickerTable(false);
    return table;
}

const SearchTable& membersTable()
{
    static const SearchTable table = memberTable();
    return table;
}

const SearchTable& returnsMembersTable()
{
    static const SearchTable table = [] {
        SearchTable t = memberTable();
        t.withCancelled = true;
        t.listLine = markedMemberListLine();
        return t;
    }();
    return table;
}
