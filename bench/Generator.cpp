#include "Generator.h"

#include "Dates.h"
#include "Rules.h"
#include "ShortString.h"

#include <QFile>

namespace {

const QStringList kTitleStart = {
    "Il nome della",
    "La coscienza di",
    "Cronache di",
    "Il giardino dei",
    "Lettere da",
    "La città e",
    "Storia di",
    "Il ritorno di",
    "Le notti di",
    "Canti per",
    "Il mistero di",
    "Viaggio a",
    "L'ultima estate a",
    "I segreti di",
    "La lunga strada per",
    "Perché non è",
};
const QStringList kTitleEnd = {
    "rosa",
    "Zeno",
    "Narnia",
    "Finzi-Contini",
    "Napoli",
    "il mare",
    "un paese",
    "Ulisse",
    "Cabiria",
    "città perdute",
    "Venezia",
    "Itaca",
    "Forlì",
    "più facile",
    "caffè",
    "Sant'Agata",
    "perché",
};
const QStringList kSurnames = {
    "Rossi",
    "Bianchi",
    "Esposito",
    "Ricci",
    "Mancini",
    "Lucà",
    "De Santis",
    "Galli",
    "Nicolò",
    "Colombo",
    "Fabbri",
    "Marì",
    "Sartori",
    "Cantù",
    "Basile",
    "D'Angelo",
    "Ferrari",
    "Gentile",
};
const QStringList kNames = {
    "Mario",
    "Giulia",
    "Niccolò",
    "Lucia",
    "Andrea",
    "Chiara",
    "Nicolò",
    "Francesca",
    "Mattia",
    "Beatrice",
    "Giosuè",
    "Sofia",
    "Elia",
    "Noemi",
    "Luca",
    "Maria Grazia",
};
const QStringList kGenres = {"Romanzo", "Giallo", "Saggistica", "Poesia", "Fantascienza", "Storia", "Ragazzi",
    "Biografia", "Arte", "Cucina"};
const QStringList kPublishers
    = {"Mondadori", "Einaudi", "Feltrinelli", "Adelphi", "Garzanti", "Sellerio", "Bompiani", "Laterza"};
const QStringList kCities = {"Milano", "Torino", "Roma", "Palermo", "Bari", "Forlì", "Cantù", "Napoli"};
const QStringList kLanguages = {"Italiano", "Inglese", "Francese", "Tedesco", "Spagnolo"};

} // namespace

Generator::Generator(quint32 seed)
    : m_random(seed)
{
}

int Generator::below(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(m_random);
}

QString Generator::pick(const QStringList& words)
{
    return words.at(below(int(words.size())));
}

QString Generator::dateIn(int year)
{
    return Dates::format(QDate(year, 1, 1).addDays(below(365)));
}

TSchedaLibro Generator::book(int n)
{
    TSchedaLibro b;
    b.Titolo = pick(kTitleStart) + QLatin1Char(' ') + pick(kTitleEnd);
    b.Codice = QStringLiteral("LIB%1").arg(n, 6, 10, QLatin1Char('0'));
    b.Convalida = ShortString::kYes;
    b.Scaffale = QStringLiteral("%1-%2").arg(QChar('A' + below(8))).arg(below(40) + 1);
    b.Autore = pick(kNames) + QLatin1Char(' ') + pick(kSurnames);
    b.Nazione = QStringLiteral("Italia");
    b.Dewey = QString::number(below(10) * 100 + below(10) * 10);
    b.Pagine = QString::number(80 + below(700));
    b.Genere = pick(kGenres);
    b.Editore = pick(kPublishers);
    b.Isbn = QStringLiteral("978-88-%1-%2").arg(below(10000), 4, 10, QLatin1Char('0')).arg(below(10));
    b.Citta = pick(kCities);
    b.Anno = QString::number(1950 + below(75));
    b.Prezzo = QStringLiteral("%1,%2").arg(5 + below(30)).arg(below(100), 2, 10, QLatin1Char('0'));
    b.Lingua = pick(kLanguages);
    b.Note = below(3) == 0 ? QStringLiteral("Copia donata dalla famiglia ") + pick(kSurnames) : QString();
    const bool lent = below(5) == 0;
    b.Prestato = lent ? Rules::kLentPrefix + QString::number(1 + below(2000)) : Rules::kBookAvailable;
    b.Scadenza = lent ? dateIn(2015) : QString();
    b.Annullata = below(20) == 0 ? ShortString::kYes : ShortString::kNo;
    return b;
}

TSchedaDVD Generator::dvd(int n)
{
    TSchedaDVD d;
    d.Titolo = pick(kTitleStart) + QLatin1Char(' ') + pick(kTitleEnd);
    d.Codice = QStringLiteral("DVD%1").arg(n, 6, 10, QLatin1Char('0'));
    d.Convalida = ShortString::kYes;
    d.Regia = pick(kNames) + QLatin1Char(' ') + pick(kSurnames);
    d.Protagonista = pick(kNames) + QLatin1Char(' ') + pick(kSurnames);
    d.Anno = QString::number(1950 + below(75));
    d.Durata = QStringLiteral("%1 min.").arg(80 + below(80));
    d.Genere = pick(kGenres);
    d.Lingua = pick(kLanguages);
    const bool lent = below(5) == 0;
    d.Prestato = lent ? Rules::kLentPrefix + QString::number(1 + below(2000)) : Rules::kDvdAvailable;
    d.Scadenza = lent ? dateIn(2015) : QString();
    d.Annullata = below(20) == 0 ? ShortString::kYes : ShortString::kNo;
    return d;
}

TSchedaTesserato Generator::member(int n)
{
    TSchedaTesserato m;
    m.Tesserato = pick(kSurnames) + QLatin1Char(' ') + pick(kNames);
    m.NumTessera = QString::number(n);
    const QDate issued = QDate(2015, 1, 1).addDays(below(365));
    m.DataRil = Dates::format(issued);
    m.DataScade = Dates::format(issued.addYears(1));
    m.ComuneRes = pick(kCities);
    m.Preavviso = QString::number(below(31));
    m.Recapito
        = QStringLiteral("3%1 %2").arg(below(100), 2, 10, QLatin1Char('0')).arg(1000000 + below(9000000));
    m.Email = QStringLiteral("socio%1@posta.example.org").arg(n);
    m.Annullata = below(20) == 0 ? ShortString::kYes : ShortString::kNo;
    return m;
}

TSchedaPrestito Generator::loan(int n, int year, int members)
{
    TSchedaPrestito p;
    const int member = 1 + below(std::max(1, members));
    p.Tesserato = pick(kSurnames) + QLatin1Char(' ') + pick(kNames);
    p.NumTessera = QString::number(member);
    p.Tipo = below(4) == 0 ? QStringLiteral("DVD") : QStringLiteral("Libro");
    p.Codice = QStringLiteral("LIB%1").arg(n, 6, 10, QLatin1Char('0'));
    p.Titolo = pick(kTitleStart) + QLatin1Char(' ') + pick(kTitleEnd);
    const QDate lent = QDate(year, 1, 1).addDays(below(365));
    p.Data = Dates::format(lent);
    p.DataSca = Dates::format(lent.addDays(30));
    p.DataRes = below(5) == 0 ? QString() : Dates::format(lent.addDays(below(40)));
    return p;
}

namespace {

template <class R, class Make> bool writeFile(const QString& path, int count, Make make)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int n = 1; n <= count; ++n) {
        const QByteArray bytes = encodeRecord<R>(make(n));
        if (file.write(bytes) != bytes.size())
            return false;
    }
    return file.flush();
}

} // namespace

bool Generator::writeArchives(const QString& folder, int books, int dvds, int members, int loans, int year)
{
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return writeFile<TSchedaLibro>(base + QStringLiteral("Libri.pro"), books, [&](int n) { return book(n); })
        && writeFile<TSchedaDVD>(base + QStringLiteral("DVD.pro"), dvds, [&](int n) { return dvd(n); })
        && writeFile<TSchedaTesserato>(
            base + QStringLiteral("Tesserati.pro"), members, [&](int n) { return member(n); })
        && writeFile<TSchedaPrestito>(
            base + QStringLiteral("%1.bib").arg(year), loans, [&](int n) { return loan(n, year, members); });
}
