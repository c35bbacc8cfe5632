// The book search held against its yardsticks, measured in the same run: the time to read the
// bytes of Libri.pro, and SQLite in memory answering the same queries on the same records with
// the same lines. Also the first search of the process, the double-click hand-back, the in-list
// find, filling the list and the memory the lines take.
//   bench_search          10,000 / 50,000 / 100,000 / 200,000 books
//   bench_search N        N books

#include "Generator.h"
#include "ListFind.h"
#include "Memory.h"
#include "ProgramFolder.h"
#include "ResultList.h"
#include "Search.h"
#include "Timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <malloc.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

constexpr int kRuns = 7;

// The bytes the process holds on its heap.
double heapMiB()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

// The same records in SQLite, the lines built by the query itself.
class SqliteBooks {
public:
    explicit SqliteBooks(const SearchTable& table)
    {
        sqlite3_open(":memory:", &m_db);
        exec("CREATE TABLE libri (Codice TEXT, Titolo TEXT, Autore TEXT, Citta TEXT, Editore TEXT, "
             "Anno TEXT, Annullata TEXT, Scadenza TEXT)");
        exec("BEGIN");
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(m_db, "INSERT INTO libri VALUES (?, ?, ?, ?, ?, ?, ?, ?)", -1, &insert, nullptr);
        const char* fields[] = {"Codice", "Titolo", "Autore", "Citta", "Editore", "Anno", "Annullata", "Scadenza"};
        table.type->archive().scan([&](qint64, const char* record) {
            for (int i = 0; i < 8; ++i) {
                const QByteArray text = table.type->spot(QLatin1String(fields[i])).read(record).toUtf8();
                sqlite3_bind_text(insert, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            }
            sqlite3_step(insert);
            sqlite3_reset(insert);
            return true;
        });
        sqlite3_finalize(insert);
        exec("COMMIT");
    }
    ~SqliteBooks() { sqlite3_close(m_db); }

    // The book line of the search windows, written in SQL, for the active records matching where.
    QStringList lines(const char* where)
    {
        const QByteArray sql = QByteArray("SELECT 'Cod. ' || substr(Codice || '") + QByteArray(24, ' ')
            + "', 1, 24) || '  ' || substr(Titolo || '" + QByteArray(50, ' ') + "', 1, 50) || '  ' || substr(Autore || '"
            + QByteArray(30, ' ') + "', 1, 30) || '  ' || Citta || ' ' || Editore || ' ' || Anno "
            + "FROM libri WHERE Annullata = 'No'" + where;
        sqlite3_stmt* query = nullptr;
        sqlite3_prepare_v2(m_db, sql.constData(), -1, &query, nullptr);
        QStringList lines;
        while (sqlite3_step(query) == SQLITE_ROW)
            lines << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(query, 0)),
                sqlite3_column_bytes(query, 0));
        sqlite3_finalize(query);
        return lines;
    }

private:
    void exec(const char* sql) { sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }

    sqlite3* m_db = nullptr;
};

void row(const char* what, const Timings& t, double readMs)
{
    std::printf("  %-44s %9.2f %9.2f %9.2f ms   %6.2f x lettura\n", what, t.min(), t.median(), t.max(),
        t.median() / readMs);
}

bool benchmark(int books)
{
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    if (!Generator(1).writeArchives(dir.path(), books, 0, 0, 0, 2015))
        return false;
    // The archives just written go to the disk before anything is timed: the system's write-back
    // would otherwise take a core away from the runs.
    sync();
    const SearchTable& table = booksTable();

    QByteArray block(1 << 20, Qt::Uninitialized);
    const auto readBytes = [&] {
        QFile file(ProgramFolder::file(QStringLiteral("Libri.pro")));
        if (file.open(QIODevice::ReadOnly)) {
            while (file.read(block.data(), block.size()) > 0) { }
        }
    };

    Search::Criteria two;
    two[1] = QStringLiteral("lib"); // Codice: every book
    two[2] = QStringLiteral("rossi"); // Autore: about one in twenty
    SqliteBooks sqlite(table);
    const char* likeTwo = " AND Codice LIKE '%lib%' AND Autore LIKE '%rossi%'";
    const char* lowerTwo = " AND lower(Codice) LIKE '%lib%' AND lower(Autore) LIKE '%rossi%'";

    // The first search of the process, into memory the program has not held before.
    QElapsedTimer first;
    first.start();
    RecordLines all = Search::run(table, Search::Criteria()).value_or(RecordLines());
    const double firstMs = first.nsecsElapsed() / 1e6;
    RecordLines hits = Search::run(table, two).value_or(RecordLines());
    const bool sameTwo = sqlite.lines(lowerTwo) == QStringList(hits.lines) && sqlite.lines(likeTwo) == QStringList(hits.lines);
    const bool sameAll = sqlite.lines("") == QStringList(all.lines);

    // The program's searches and their yardsticks, in rounds. Each search gives up its list and
    // then searches, as a search window empties its list before it searches. SQLite's lines are
    // given up at the end of each of its runs, which times that too.
    const std::vector<Timings> rounds = timeRounds(kRuns,
        {readBytes,
            [&] {
                hits = RecordLines();
                hits = Search::run(table, two).value_or(RecordLines());
            },
            [&] {
                all = RecordLines();
                all = Search::run(table, Search::Criteria()).value_or(RecordLines());
            },
            [&] { sqlite.lines(lowerTwo); }, [&] { sqlite.lines(likeTwo); }, [&] { sqlite.lines(""); }});
    const Timings& read = rounds[0];
    const Timings& search2 = rounds[1];
    const Timings& search0 = rounds[2];
    const Timings& sqlLower2 = rounds[3];
    const Timings& sqlLike2 = rounds[4];
    const Timings& sqlAll = rounds[5];
    const double readMs = read.median();

    // The memory of the lines of a search with no criteria, above the process without them.
    all = RecordLines();
    malloc_trim(0);
    const double before = heapMiB();
    all = Search::run(table, Search::Criteria()).value_or(RecordLines());
    const double linesMiB = heapMiB() - before;

    const qint64 chosen = all.records.empty() ? 1 : all.records.at(all.records.size() / 2);
    const Timings handBack = timeRuns(kRuns, [&] { Search::handBack(table, chosen, QStringLiteral("libri")); });

    // A key found nowhere: the find tests every line once.
    const Timings find = timeRuns(kRuns, [&] {
        QString memory;
        findInList(all.lines, -1, QStringLiteral("nessun titolo cos\u00EC"), memory);
    });

    ResultList list;
    list.resize(820, 330);
    list.show();
    const Timings fill = timeRuns(kRuns, [&] {
        list.clear();
        QApplication::processEvents();
        list.setLines(all);
        list.repaint();
        QApplication::processEvents();
    });

    std::printf("\n%d libri (Libri.pro %.1f MB), %d esecuzioni: min, mediana, max\n", books,
        double(books) * RecordLayout<TSchedaLibro>::size / 1e6, kRuns);
    row("lettura dei byte", read, readMs);
    row(qPrintable(QStringLiteral("ricerca su due criteri (%1 trovate)").arg(hits.lines.size())), search2, readMs);
    row(qPrintable(QStringLiteral("ricerca senza criteri (%1 trovate)").arg(all.lines.size())), search0, readMs);
    std::printf("  %-44s %9s %9.2f %9s ms   %6.2f x lettura\n", "prima ricerca senza criteri (memoria nuova)", "",
        firstMs, "", firstMs / readMs);
    row("SQLite, due criteri, lower() + LIKE", sqlLower2, readMs);
    row("SQLite, due criteri, LIKE", sqlLike2, readMs);
    row("SQLite, senza criteri", sqlAll, readMs);
    row("doppio clic: consegna della scheda", handBack, readMs);
    row(qPrintable(QStringLiteral("trova nell'elenco (%1 righe)").arg(all.lines.size())), find, readMs);
    row("riempimento dell'elenco", fill, readMs);
    std::printf("  righe di SQLite uguali a quelle del programma: %s\n", sameTwo && sameAll ? "si" : "NO");
    std::printf("  memoria delle righe senza criteri: %.1f MiB\n", linesMiB);

    const double sqliteLower = std::max(search2.median() / sqlLower2.median(), search0.median() / sqlAll.median());
    const double sqliteLike = std::max(search2.median() / sqlLike2.median(), search0.median() / sqlAll.median());
    std::printf("summary %d books: search2 %.2fx read, search0 %.2fx read, handback %.2fx read, find %.1f ms, "
                "sqlite-lower %.2fx, sqlite-like %.2fx, lines %.1f MiB\n",
        books, search2.median() / readMs, search0.median() / readMs, handBack.median() / readMs, find.median(),
        sqliteLower, sqliteLike, linesMiB);
    return sameTwo && sameAll;
}

} // namespace

int main(int argc, char* argv[])
{
    // The program's own way with freed memory, which the searches rely on.
    Memory::keepFreedMemory();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    printCommand(argc, argv);
    std::vector<int> sizes = {10000, 50000, 100000, 200000};
    if (argc > 1)
        sizes = {std::atoi(argv[1])};
    bool ok = true;
    for (const int books : sizes)
        ok = benchmark(books) && ok;
    return ok ? 0 : 1;
}
