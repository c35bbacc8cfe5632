#include "ArchiveWriters.h"

#include "LoanRegister.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "ShortString.h"

#include <QFile>

namespace {

TSchedaLibro book(const QString& code, const QString& due)
{
    TSchedaLibro b;
    b.Codice = code;
    b.Titolo = QStringLiteral("Titolo ") + code;
    b.Autore = QStringLiteral("Autore");
    b.Convalida = ShortString::kYes;
    b.Prestato = due.isEmpty() ? QStringLiteral("Libro disponibile per il prestito")
                               : QStringLiteral("Tessera n. 27");
    b.Scadenza = due;
    b.Annullata = ShortString::kNo;
    return b;
}

TSchedaPrestito loan(const QString& returned)
{
    TSchedaPrestito p;
    p.Tesserato = QStringLiteral("Rossi Mario");
    p.NumTessera = QStringLiteral("27");
    p.Tipo = QStringLiteral("Libro");
    p.Codice = QStringLiteral("L1");
    p.Titolo = QStringLiteral("Titolo L1");
    p.Data = QStringLiteral("01/06/2015");
    p.DataSca = QStringLiteral("20/06/2015");
    p.DataRes = returned;
    return p;
}

void put(const QString& name, const QByteArray& bytes)
{
    QFile file(ProgramFolder::file(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Two books, the first lent or not, and a partial record at the end.
void books(bool firstLent)
{
    put(QStringLiteral("Libri.pro"),
        encodeRecord(book(QStringLiteral("L1"), firstLent ? QStringLiteral("20/06/2015") : QString()))
            + encodeRecord(book(QStringLiteral("L2"), QString())) + QByteArray(40, 'x'));
}

} // namespace

const QList<ArchiveWriter>& archiveWriters()
{
    static const QList<ArchiveWriter> writers {
        {"new card", {"Libri.pro"}, [] { books(false); },
            [] { return Archive<TSchedaLibro>().append(book(QStringLiteral("L3"), QString())).has_value(); }},
        {"stored card", {"Libri.pro"}, [] { books(false); },
            [] { return Archive<TSchedaLibro>().write(2, book(QStringLiteral("L2-bis"), QString())); }},
        {"lending", {"Libri.pro", "2015.bib"},
            [] {
                books(false);
                put(QStringLiteral("2015.bib"), encodeRecord(loan(QStringLiteral("05/06/2015"))));
            },
            [] {
                return LoanRegister::lend(true, 1, LoanRegister::path(2015), loan(QString())).outcome
                    == LoanRegister::Lending::Outcome::Lent;
            }},
        {"lending, first of the year", {"Libri.pro", "2016.bib"}, [] { books(false); },
            [] {
                return LoanRegister::lend(true, 1, LoanRegister::path(2016), loan(QString())).outcome
                    == LoanRegister::Lending::Outcome::Lent;
            }},
        {"return", {"Libri.pro", "2015.bib"},
            [] {
                books(true);
                put(QStringLiteral("2015.bib"),
                    encodeRecord(loan(QString())) + encodeRecord(loan(QString())));
            },
            [] {
                return LoanRegister::giveBack(
                    true, 1, LoanRegister::path(2015), 2, loan(QStringLiteral("12/06/2015")));
            }},
        // Many books in one go, in three blocks, over the partial record at the end.
        {"import", {"Libri.pro"}, [] { books(false); },
            [] {
                int block = 0;
                return Archive<TSchedaLibro>()
                    .file()
                    .appendAll([] { return true; },
                        [&block]() -> std::optional<QByteArray> {
                            if (block == 3)
                                return QByteArray();
                            QByteArray bytes;
                            for (int i = 0; i < 20; ++i)
                                bytes += encodeRecord(book(QStringLiteral("I%1-%2").arg(block).arg(i), QString()));
                            ++block;
                            return bytes;
                        })
                    .has_value();
            }},
    };
    return writers;
}
