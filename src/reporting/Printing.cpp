#include "Printing.h"

#include "ReportRenderer.h"

#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

bool g_testing = false;
bool g_cancelNext = false;
QString g_folder;
QList<Printing::Printed> g_printed;

void record(const Report& report, bool preview)
{
    const QString pdf = g_folder + QStringLiteral("stampa-%1.pdf").arg(g_printed.size() + 1);
    Printing::writePdf(report, pdf);
    g_printed.append({preview, pdf, report});
}

// The print dialog: printer, page range, copies. False when the user cancels it.
bool choosePrinter(QWidget* parent, QPrinter& printer, int pages)
{
    if (g_testing) {
        const bool cancelled = g_cancelNext;
        g_cancelNext = false;
        return !cancelled;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, pages);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

bool printOn(QPrinter& printer, const Report& report)
{
    printer.setFullPage(true);
    const bool ranged = printer.printRange() == QPrinter::PageRange;
    return renderReport(report, printer, ranged ? printer.fromPage() : 0, ranged ? printer.toPage() : 0);
}

} // namespace

namespace Printing {

bool print(QWidget* parent, const Report& report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(1);
    printer.setPageOrientation(report.orientation);
    if (!choosePrinter(parent, printer, int(paginate(report).size())))
        return false;
    if (g_testing) {
        record(report, false);
        return true;
    }
    return printOn(printer, report);
}

bool printCopies(QWidget* parent, const Report& report, int copies)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(std::max(1, copies));
    printer.setPageOrientation(report.orientation);
    if (!choosePrinter(parent, printer, int(paginate(report).size())))
        return false;
    // The copies the dialog ends with (in tests, those proposed), printed one by one.
    const int chosen = g_testing ? copies : printer.copyCount();
    printer.setCopyCount(1);
    bool printed = true;
    for (int copy = 0; copy < chosen; ++copy) {
        if (g_testing)
            record(report, false);
        else
            printed = printOn(printer, report) && printed;
    }
    return printed;
}

void preview(QWidget* parent, const Report& report)
{
    if (g_testing) {
        record(report, true);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(report.orientation);
    // Print, zoom and page buttons come with the window; maximising it shows the page full screen.
    QPrintPreviewDialog dialog(&printer, parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    dialog.resize(1000, 760);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&report](QPrinter* target) { printOn(*target, report); });
    dialog.exec();
}

bool writePdf(const Report& report, const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Lettoria 3.0"));
    return renderReport(report, writer);
}

void startTesting(const QString& folder)
{
    g_testing = true;
    g_cancelNext = false;
    g_folder = folder;
    g_printed.clear();
}

void stopTesting()
{
    g_testing = false;
    g_cancelNext = false;
    g_folder.clear();
    g_printed.clear();
}

void cancelNextPrint()
{
    g_cancelNext = true;
}

const QList<Printed>& printed()
{
    return g_printed;
}

} // namespace Printing
