// The import of a spreadsheet of books into an empty archive: the file read and its rows checked,
// then the records appended in one operation, timed over several runs against the floor of the
// machine (reading the file's bytes, writing and syncing the archive's).
//   bench_import [books]

#include "Disk.h"
#include "ExportTables.h"
#include "Generator.h"
#include "ImportPlan.h"
#include "Memory.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "RecordType.h"
#include "Spreadsheet.h"
#include "Timing.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString csvField(const QString& text)
{
    if (!text.contains(u';') && !text.contains(u'"'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    Memory::keepFreedMemory();
    QCoreApplication application(argc, argv);
    const int books = argc > 1 ? std::atoi(argv[1]) : 50000;
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());

    // The books as a librarian's spreadsheet holds them: the export's columns, saved as CSV.
    const ExportTable& exported = ExportTables::books();
    Generator generator(1);
    QStringList headers;
    QList<QStringList> rows;
    for (const ExportColumn& column : exported.columns)
        headers << column.sheetHeader;
    QString csv = headers.join(u';') + QStringLiteral("\r\n");
    for (int n = 1; n <= books; ++n) {
        const QHash<QString, QString> values
            = exported.type->values(encodeRecord(generator.book(n)).constData());
        QStringList row;
        for (const ExportColumn& column : exported.columns)
            row << values.value(column.fields.front());
        rows << row;
        QStringList cells;
        for (const QString& value : row)
            cells << csvField(value);
        csv += cells.join(u';') + QStringLiteral("\r\n");
    }
    const QString csvPath = dir.filePath(QStringLiteral("libri.csv"));
    const QString xlsPath = dir.filePath(QStringLiteral("libri.xls"));
    QList<Spreadsheet::Column> columns;
    for (const ExportColumn& column : exported.columns)
        columns << Spreadsheet::Column {column.sheetHeader, column.width};
    if (!writeFile(csvPath, csv.toUtf8())
        || !writeFile(xlsPath, Spreadsheet::content(exported.sheet, columns, rows)))
        return 1;

    const RecordFile archive = booksImport().type->archive();
    const QString archivePath = archive.path();
    QByteArray archiveBytes;
    // The floor: the file's bytes read, and the archive's bytes written and synced in one go.
    const double readFloor = bestOf(5, [&] {
        QFile file(csvPath);
        if (file.open(QIODevice::ReadOnly))
            file.readAll();
    });

    std::vector<Timings> phases(3);
    int imported = 0;
    const Timings total = timeRuns(5, [&] {
        QFile::remove(archivePath);
        QElapsedTimer phase;
        phase.start();
        SheetFile::Sheet sheet = SheetFile::readFile(csvPath);
        phases[0].ms.push_back(phase.nsecsElapsed() / 1e6);
        phase.start();
        ImportPlan plan(booksImport(), std::move(sheet));
        const auto codes = ImportPlan::archiveCodes(booksImport(), archive);
        if (!codes || !plan.check(*codes))
            return;
        phases[1].ms.push_back(phase.nsecsElapsed() / 1e6);
        phase.start();
        imported = plan.append(archive).count;
        phases[2].ms.push_back(phase.nsecsElapsed() / 1e6);
    });
    {
        QFile file(archivePath);
        if (file.open(QIODevice::ReadOnly))
            archiveBytes = file.readAll();
    }
    const double writeFloor = bestOf(5, [&] {
        QFile file(dir.filePath(QStringLiteral("copia.pro")));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            Disk::writeAll(file, archiveBytes) && Disk::sync(file);
    });
    int xlsRows = 0;
    const Timings xls = timeRuns(5, [&] { xlsRows = SheetFile::readFile(xlsPath).table.rowCount() - 1; });

    printCommand(argc, argv);
    std::printf("libri.csv: %d righe, %lld byte; Libri.pro: %lld byte\n", books,
        static_cast<long long>(QFile(csvPath).size()), static_cast<long long>(archiveBytes.size()));
    std::printf("                                  minimo  mediano  massimo\n");
    std::printf("importazione di %d libri:    %8.1f %8.1f %8.1f ms\n", imported, total.min(), total.median(),
        total.max());
    const char* names[] = {"  lettura del file CSV:         ", "  controllo delle righe:        ",
        "  aggiunta all'archivio:        "};
    for (int i = 0; i < 3; ++i)
        std::printf("%s%8.1f %8.1f %8.1f ms\n", names[i], phases[i].min(), phases[i].median(), phases[i].max());
    std::printf("lettura del file .xls (%d righe, %lld byte): %.1f %.1f %.1f ms\n", xlsRows,
        static_cast<long long>(QFile(xlsPath).size()), xls.min(), xls.median(), xls.max());
    std::printf("pavimento: lettura dei byte del CSV %.1f ms, scrittura e sync dell'archivio %.1f ms\n", readFloor,
        writeFloor);
    std::printf("rapporto importazione/pavimento: %.2f\n", total.median() / (readFloor + writeFloor));
    return imported == books ? 0 : 1;
}
