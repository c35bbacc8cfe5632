// Time to decode every record of Libri.pro against the time to read the file's bytes.
//   bench_decode [books]

#include "Generator.h"
#include "Memory.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "Timing.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    // The program's own way with freed memory.
    Memory::keepFreedMemory();
    QCoreApplication application(argc, argv);
    const int books = argc > 1 ? std::atoi(argv[1]) : 50000;
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    if (!Generator(1).writeArchives(dir.path(), books, 0, 0, 0, 2015))
        return 1;

    const QString path = ProgramFolder::file(QStringLiteral("Libri.pro"));
    qint64 bytes = 0;
    // The bytes alone, read in the same large blocks as a scan.
    QByteArray block(1 << 20, Qt::Uninitialized);
    const double readMs = bestOf(5, [&] {
        bytes = 0;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        for (qint64 got; (got = file.read(block.data(), block.size())) > 0;)
            bytes += got;
    });
    int decoded = 0;
    const double decodeMs = bestOf(5, [&] {
        decoded = 0;
        Archive<TSchedaLibro>().scan([&](qint64, const TSchedaLibro& book) {
            decoded += book.Titolo.isEmpty() ? 0 : 1;
            return true;
        });
    });

    printCommand(argc, argv);
    std::printf("Libri.pro: %d schede, %lld byte\n", books, static_cast<long long>(bytes));
    std::printf("lettura dei byte:           %8.1f ms\n", readMs);
    std::printf("decodifica di ogni scheda:  %8.1f ms  (%d schede)\n", decodeMs, decoded);
    std::printf("rapporto decodifica/lettura: %6.2f\n", decodeMs / readMs);
    return 0;
}
