#include "SearchTable.h"

#include "Records.h"
#include "Rules.h"
#include "ShortString.h"

namespace {

template <class R> FieldSpot spotOf(const char* name)
{
    return RecordType::of<R>().spot(QLatin1String(name));
}

using ShortString::pad;

QString bookLineOf(const char* r, const FieldSpot (&s)[6])
{
    return QStringLiteral("Cod. ") + pad(s[0].read(r), 24) + QStringLiteral("  ") + pad(s[1].read(r), 50)
        + QStringLiteral("  ") + pad(s[2].read(r), 30) + QStringLiteral("  ") + s[3].read(r)
        + QLatin1Char(' ') + s[4].read(r) + QLatin1Char(' ') + s[5].read(r);
}

QString dvdLineOf(const char* r, const FieldSpot (&s)[5])
{
    return QStringLiteral("Cod. ") + pad(s[0].read(r), 24) + QStringLiteral("  ") + pad(s[1].read(r), 46)
        + QStringLiteral("  Regia: ") + pad(s[2].read(r), 28) + QStringLiteral("  Anno: ")
        + pad(s[3].read(r), 4) + QStringLiteral("  Prot. ") + s[4].read(r);
}

const FieldSpot (&bookSpots())[6]
{
    static const FieldSpot spots[6]
        = {spotOf<TSchedaLibro>("Codice"), spotOf<TSchedaLibro>("Titolo"), spotOf<TSchedaLibro>("Autore"),
            spotOf<TSchedaLibro>("Citta"), spotOf<TSchedaLibro>("Editore"), spotOf<TSchedaLibro>("Anno")};
    return spots;
}

const FieldSpot (&dvdSpots())[5]
{
    static const FieldSpot spots[5] = {spotOf<TSchedaDVD>("Codice"), spotOf<TSchedaDVD>("Titolo"),
        spotOf<TSchedaDVD>("Regia"), spotOf<TSchedaDVD>("Anno"), spotOf<TSchedaDVD>("Protagonista")};
    return spots;
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
    t.line = bookLine;
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
    t.line = dvdLine;
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
    t.line = [](const char* r) { return Rules::memberListLine(decodeRecord<TSchedaTesserato>(r)); };
    return t;
}

} // namespace

QString bookLine(const char* record)
{
    return bookLineOf(record, bookSpots());
}

QString dvdLine(const char* record)
{
    return dvdLineOf(record, dvdSpots());
}

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

const SearchTable& membersTable()
{
    static const SearchTable table = memberTable();
    return table;
}
