// The export of the book archive (grid filled and file written) and the loan summary of a year's
// register, timed over several runs.
//   bench_reports [books] [loans]

#include "ClickableLabel.h"
#include "ExportWindow.h"
#include "Generator.h"
#include "Memory.h"
#include "MessageBox.h"
#include "ProgramFolder.h"
#include "ResultList.h"
#include "TMisc.h"
#include "Timing.h"
#include "TfrmRiepilogoPrestiti.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    // The program's own way with freed memory.
    Memory::keepFreedMemory();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int books = argc > 1 ? std::atoi(argv[1]) : 50000;
    const int loans = argc > 2 ? std::atoi(argv[2]) : 20000;
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    if (!Generator(1).writeArchives(dir.path(), books, 0, 50, loans, 2015))
        return 1;
    // The two questions answer themselves; nothing is opened.
    MessageBox::startRecording();
    TMisc::startRecording();

    int rows = 0;
    const Timings exportTimes = timeRuns(5, [&] {
        TfrmExpLibri window(nullptr);
        rows = int(window.rows().size());
        window.cmdEsporta->clicked();
    });
    int lines = 0;
    const Timings summaryTimes = timeRuns(5, [&] {
        TfrmRiepilogoPrestiti summary(
            ProgramFolder::file(QStringLiteral("2015.bib")), QString(), QDate(2015, 1, 1), QDate(2015, 12, 31), nullptr);
        lines = summary.lstRecords->count();
    });

    printCommand(argc, argv);
    std::printf("esportazione di %d libri (griglia e file):   %8.1f %8.1f %8.1f ms\n", rows, exportTimes.min(),
        exportTimes.median(), exportTimes.max());
    std::printf("riepilogo di %d prestiti:                    %8.1f %8.1f %8.1f ms\n", lines, summaryTimes.min(),
        summaryTimes.median(), summaryTimes.max());
    return 0;
}
