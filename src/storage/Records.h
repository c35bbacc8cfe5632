#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The four record types of the archives. Every field is a short text; each type has one field
// table (name, capacity, member) that drives its byte layout and everything else that walks its
// fields.

struct TSchedaLibro {
    QString Titolo, Codice, Convalida, Scaffale, Autore, Nazione, Curatore, Dewey, Pagine, Genere, Giudizio,
        Editore, Isbn, Citta, Anno, Volumi, Prezzo, Collana, Formato, Originale, Lingua, Prima, Traduttore,
        Versione, Prestato, Scadenza, Note, Annullata, File01, File02, File03, Desc01, Desc02, Desc03;
};

struct TSchedaDVD {
    QString Titolo, Codice, Convalida, Scaffale, Regia, Nazione, Protagonista, Anno, Durata, Genere, Giudizio,
        Distribuzione, Sceneggiatura, Collana, Prezzo, Cast, Contenuti, Originale, Lingua, AltreLingue,
        Sottotitoli, Premi, Note, Prestato, Scadenza, Annullata, File01, File02, File03, Desc01, Desc02,
        Desc03;
};

struct TSchedaTesserato {
    QString Tesserato, Carica, NumTessera, DataRil, DataScade, DataNasc, ComuneNasc, ProvNasc, Sesso,
        ComuneRes, ProvRes, CapRes, IndirizzoRes, Preavviso, Titoli, TelCasa, TelUff, TelCel, Recapito, Fax,
        Email, CodFisc, Carta, ScadeCarta, PartitaIva, Iban, Intestatario, Note, Annullata, File01, File02,
        File03, Desc01, Desc02, Desc03;
};

struct TSchedaPrestito {
    QString Tesserato, NumTessera, Recapito, Tipo, Codice, Titolo, Data, DataSca, DataRes;
};

template <class R> struct FieldDef {
    const char* name;
    int capacity;
    QString R::*member;
};

template <class R, size_t N> constexpr int recordSizeOf(const std::array<FieldDef<R>, N>& fields)
{
    int size = 0;
    for (const auto& f : fields)
        size += f.capacity + 1;
    return size;
}

// Per record type: its field table, its size in bytes and its archive file.
template <class R> struct RecordLayout;

template <> struct RecordLayout<TSchedaLibro> {
    using R = TSchedaLibro;
    static constexpr std::array<FieldDef<R>, 34> fields {{
        {"Titolo", 250, &R::Titolo},
        {"Codice", 24, &R::Codice},
        {"Convalida", 2, &R::Convalida},
        {"Scaffale", 50, &R::Scaffale},
        {"Autore", 50, &R::Autore},
        {"Nazione", 50, &R::Nazione},
        {"Curatore", 50, &R::Curatore},
        {"Dewey", 3, &R::Dewey},
        {"Pagine", 12, &R::Pagine},
        {"Genere", 50, &R::Genere},
        {"Giudizio", 50, &R::Giudizio},
        {"Editore", 50, &R::Editore},
        {"Isbn", 50, &R::Isbn},
        {"Citta", 50, &R::Citta},
        {"Anno", 30, &R::Anno},
        {"Volumi", 30, &R::Volumi},
        {"Prezzo", 30, &R::Prezzo},
        {"Collana", 50, &R::Collana},
        {"Formato", 50, &R::Formato},
        {"Originale", 250, &R::Originale},
        {"Lingua", 30, &R::Lingua},
        {"Prima", 30, &R::Prima},
        {"Traduttore", 50, &R::Traduttore},
        {"Versione", 30, &R::Versione},
        {"Prestato", 120, &R::Prestato},
        {"Scadenza", 10, &R::Scadenza},
        {"Note", 250, &R::Note},
        {"Annullata", 2, &R::Annullata},
        {"File01", 250, &R::File01},
        {"File02", 250, &R::File02},
        {"File03", 250, &R::File03},
        {"Desc01", 250, &R::Desc01},
        {"Desc02", 250, &R::Desc02},
        {"Desc03", 250, &R::Desc03},
    }};
    static constexpr int size = 3237;
    static constexpr const char* fileName = "Libri.pro";
};

template <> struct RecordLayout<TSchedaDVD> {
    using R = TSchedaDVD;
    static constexpr std::array<FieldDef<R>, 32> fields {{
        {"Titolo", 250, &R::Titolo},
        {"Codice", 24, &R::Codice},
        {"Convalida", 2, &R::Convalida},
        {"Scaffale", 50, &R::Scaffale},
        {"Regia", 50, &R::Regia},
        {"Nazione", 50, &R::Nazione},
        {"Protagonista", 50, &R::Protagonista},
        {"Anno", 4, &R::Anno},
        {"Durata", 30, &R::Durata},
        {"Genere", 50, &R::Genere},
        {"Giudizio", 50, &R::Giudizio},
        {"Distribuzione", 50, &R::Distribuzione},
        {"Sceneggiatura", 50, &R::Sceneggiatura},
        {"Collana", 50, &R::Collana},
        {"Prezzo", 30, &R::Prezzo},
        {"Cast", 250, &R::Cast},
        {"Contenuti", 250, &R::Contenuti},
        {"Originale", 250, &R::Originale},
        {"Lingua", 30, &R::Lingua},
        {"AltreLingue", 50, &R::AltreLingue},
        {"Sottotitoli", 50, &R::Sottotitoli},
        {"Premi", 50, &R::Premi},
        {"Note", 250, &R::Note},
        {"Prestato", 120, &R::Prestato},
        {"Scadenza", 10, &R::Scadenza},
        {"Annullata", 2, &R::Annullata},
        {"File01", 250, &R::File01},
        {"File02", 250, &R::File02},
        {"File03", 250, &R::File03},
        {"Desc01", 250, &R::Desc01},
        {"Desc02", 250, &R::Desc02},
        {"Desc03", 250, &R::Desc03},
    }};
    static constexpr int size = 3634;
    static constexpr const char* fileName = "DVD.pro";
};

template <> struct RecordLayout<TSchedaTesserato> {
    using R = TSchedaTesserato;
    static constexpr std::array<FieldDef<R>, 35> fields {{
        {"Tesserato", 50, &R::Tesserato},
        {"Carica", 50, &R::Carica},
        {"NumTessera", 24, &R::NumTessera},
        {"DataRil", 10, &R::DataRil},
        {"DataScade", 10, &R::DataScade},
        {"DataNasc", 10, &R::DataNasc},
        {"ComuneNasc", 50, &R::ComuneNasc},
        {"ProvNasc", 2, &R::ProvNasc},
        {"Sesso", 1, &R::Sesso},
        {"ComuneRes", 50, &R::ComuneRes},
        {"ProvRes", 2, &R::ProvRes},
        {"CapRes", 5, &R::CapRes},
        {"IndirizzoRes", 50, &R::IndirizzoRes},
        {"Preavviso", 3, &R::Preavviso},
        {"Titoli", 250, &R::Titoli},
        {"TelCasa", 30, &R::TelCasa},
        {"TelUff", 30, &R::TelUff},
        {"TelCel", 30, &R::TelCel},
        {"Recapito", 50, &R::Recapito},
        {"Fax", 30, &R::Fax},
        {"Email", 50, &R::Email},
        {"CodFisc", 16, &R::CodFisc},
        {"Carta", 30, &R::Carta},
        {"ScadeCarta", 30, &R::ScadeCarta},
        {"PartitaIva", 11, &R::PartitaIva},
        {"Iban", 27, &R::Iban},
        {"Intestatario", 50, &R::Intestatario},
        {"Note", 250, &R::Note},
        {"Annullata", 2, &R::Annullata},
        {"File01", 250, &R::File01},
        {"File02", 250, &R::File02},
        {"File03", 250, &R::File03},
        {"Desc01", 250, &R::Desc01},
        {"Desc02", 250, &R::Desc02},
        {"Desc03", 250, &R::Desc03},
    }};
    static constexpr int size = 2738;
    static constexpr const char* fileName = "Tesserati.pro";
};

template <> struct RecordLayout<TSchedaPrestito> {
    using R = TSchedaPrestito;
    static constexpr std::array<FieldDef<R>, 9> fields {{
        {"Tesserato", 50, &R::Tesserato},
        {"NumTessera", 24, &R::NumTessera},
        {"Recapito", 50, &R::Recapito},
        {"Tipo", 5, &R::Tipo},
        {"Codice", 24, &R::Codice},
        {"Titolo", 80, &R::Titolo},
        {"Data", 10, &R::Data},
        {"DataSca", 10, &R::DataSca},
        {"DataRes", 10, &R::DataRes},
    }};
    static constexpr int size = 272;
};

static_assert(recordSizeOf(RecordLayout<TSchedaLibro>::fields) == RecordLayout<TSchedaLibro>::size);
static_assert(recordSizeOf(RecordLayout<TSchedaDVD>::fields) == RecordLayout<TSchedaDVD>::size);
static_assert(recordSizeOf(RecordLayout<TSchedaTesserato>::fields) == RecordLayout<TSchedaTesserato>::size);
static_assert(recordSizeOf(RecordLayout<TSchedaPrestito>::fields) == RecordLayout<TSchedaPrestito>::size);

// Record values to and from their bytes. decodeRecord reads exactly RecordLayout<R>::size bytes.
template <class R> QByteArray encodeRecord(const R& record);

template <class R> R decodeRecord(const char* bytes);

template <class R> R decodeRecord(const QByteArray& bytes)
{
    Q_ASSERT(bytes.size() == RecordLayout<R>::size);
    return decodeRecord<R>(bytes.constData());
}

extern template QByteArray encodeRecord(const TSchedaLibro&);
extern template QByteArray encodeRecord(const TSchedaDVD&);
extern template QByteArray encodeRecord(const TSchedaTesserato&);
extern template QByteArray encodeRecord(const TSchedaPrestito&);
extern template TSchedaLibro decodeRecord(const char*);
extern template TSchedaDVD decodeRecord(const char*);
extern template TSchedaTesserato decodeRecord(const char*);
extern template TSchedaPrestito decodeRecord(const char*);
