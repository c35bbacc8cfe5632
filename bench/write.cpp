// Time of the program's writes, each through its lock and rollback journal, against the floor of
// a write that reaches the disk (the same record written in place and synced, with no lock and no
// journal) and against the same write under the lock without the journal. And the time of reading
// one record, with its look for a journal, against a bare read.
//   bench_write [books] [runs]

#include "ArchiveLock.h"
#include "Generator.h"
#include "LoanRegister.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "Timing.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int books = argc > 1 ? std::atoi(argv[1]) : 200000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 40;
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    if (!Generator(1).writeArchives(dir.path(), books, 0, 0, 0, 2015))
        return 1;

    const QString path = ProgramFolder::file(QStringLiteral("Libri.pro"));
    Archive<TSchedaLibro> archive;
    const qint64 middle = books / 2;
    TSchedaLibro book = *archive.read(middle);
    book.Prestato = QStringLiteral("Libro disponibile per il prestito");
    book.Scadenza.clear();
    book.Annullata = QStringLiteral("No");
    const QByteArray record = encodeRecord(book);
    bool failed = false;
    TSchedaPrestito loan;
    loan.Tesserato = QStringLiteral("Rossi Mario");
    loan.NumTessera = QStringLiteral("27");
    loan.Data = QStringLiteral("10/06/2015");
    loan.DataSca = QStringLiteral("10/07/2015");
    const QString loans = LoanRegister::path(2015);

    const std::vector<Timings> t = timeRounds(runs,
        {
            // The floor: the record in place, synced.
            [&] {
                QFile file(path);
                failed |= !file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)
                    || !file.seek((middle - 1) * 3237) || file.write(record) != record.size();
#ifdef Q_OS_UNIX
                failed |= ::fsync(file.handle()) != 0;
#endif
            },
            // The same under the archive's lock: the write as it was before the journal.
            [&] {
                ArchiveLock lock(path);
                QFile file(path);
                failed |= !lock.held() || !file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)
                    || !file.seek((middle - 1) * 3237) || file.write(record) != record.size();
#ifdef Q_OS_UNIX
                failed |= ::fsync(file.handle()) != 0;
#endif
            },
            [&] { failed |= !archive.write(middle, book); },
            [&] { failed |= !archive.append(book); },
            // A loan and its return: the book's record and the register, together.
            [&] {
                const auto lent = LoanRegister::lend(true, middle, loans, loan);
                failed |= lent.outcome != LoanRegister::Lending::Outcome::Lent;
                TSchedaPrestito back = lent.loan;
                back.DataRes = QStringLiteral("12/06/2015");
                failed |= !LoanRegister::giveBack(true, middle, loans, lent.number, back);
            },
        });
    const std::vector<Timings> r = timeRounds(runs * 50,
        {
            [&] {
                QFile file(path);
                failed |= !file.open(QIODevice::ReadOnly) || !file.seek((middle - 1) * 3237)
                    || file.read(3237).size() != 3237;
            },
            [&] { failed |= !archive.read(middle); },
        });
    if (failed)
        return 1;

    printCommand(argc, argv);
    std::printf("Libri.pro: %d schede; %d prove, mediana (minimo - massimo) in ms\n", books, runs);
    const char* names[] = {"scheda riscritta e sincronizzata, senza blocco né giornale",
        "la stessa sotto il blocco, senza giornale", "scheda salvata (blocco e giornale)",
        "scheda aggiunta (blocco e giornale)", "prestito e restituzione (due archivi ciascuno)"};
    static_assert(std::size(names) == 5);
    for (size_t i = 0; i < t.size(); ++i)
        std::printf("%-56s %7.2f (%6.2f - %7.2f)\n", names[i], t[i].median(), t[i].min(), t[i].max());
    std::printf("rapporto salvataggio/pavimento: %.2f; salvataggio/senza giornale: %.2f\n",
        t[2].median() / t[0].median(), t[2].median() / t[1].median());
    std::printf("lettura di una scheda, nuda:                  %7.4f ms\n", r[0].median());
    std::printf("lettura di una scheda, con controllo giornale: %7.4f ms\n", r[1].median());
    return 0;
}
