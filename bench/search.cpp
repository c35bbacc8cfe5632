// Search over Libri.pro against the time to read the file's bytes, and the time to fill the result
// list with every line.
//   bench_search [books]

#include "Search.h"
#include "Generator.h"
#include "ProgramFolder.h"
#include "ResultList.h"
#include "Timing.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int books = argc > 1 ? std::atoi(argv[1]) : 50000;
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    if (!Generator(1).writeArchives(dir.path(), books, 0, 0, 0, 2015))
        return 1;

    QByteArray block(1 << 20, Qt::Uninitialized);
    const double readMs = bestOf(5, [&] {
        QFile file(ProgramFolder::file(QStringLiteral("Libri.pro")));
        if (file.open(QIODevice::ReadOnly)) {
            while (file.read(block.data(), block.size()) > 0) { }
        }
    });

    Search::Criteria two;
    two[1] = QStringLiteral("lib"); // Codice: every book
    two[2] = QStringLiteral("rossi"); // Autore: about one in twenty
    QStringList hits;
    const double searchMs = bestOf(5, [&] { hits = Search::run(booksTable(), two).value_or(QStringList()); });
    QStringList all;
    const double allMs
        = bestOf(5, [&] { all = Search::run(booksTable(), Search::Criteria()).value_or(QStringList()); });

    ResultList list;
    list.resize(820, 330);
    list.show();
    const double fillMs = bestOf(5, [&] {
        list.clear();
        QApplication::processEvents();
        list.setLines(all);
        list.repaint();
        QApplication::processEvents();
    });

    printCommand(argc, argv);
    std::printf("Libri.pro: %d schede\n", books);
    std::printf("lettura dei byte:                      %8.1f ms\n", readMs);
    std::printf("ricerca su due criteri (%5lld trovate): %8.1f ms  (%.2f x lettura)\n",
        static_cast<long long>(hits.size()), searchMs, searchMs / readMs);
    std::printf("ricerca senza criteri (%6lld trovate): %8.1f ms  (%.2f x lettura)\n",
        static_cast<long long>(all.size()), allMs, allMs / readMs);
    std::printf(
        "riempimento elenco con %lld righe:      %8.1f ms\n", static_cast<long long>(all.size()), fillMs);
    return 0;
}
