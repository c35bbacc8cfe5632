#include "Printing.h"

#include "Dialogs.h"
#include "MessageBox.h"
#include "Modal.h"
#include "ProgramFolder.h"
#include "ReportRenderer.h"
#include "VisitorMode.h"
#include "WindowPlace.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>

namespace {

bool g_testing = false;
bool g_showDialogs = false;
bool g_cancelNext = false;
QString g_folder;
QList<Printing::Printed> g_printed;

void record(const Report& report, bool preview)
{
    const QString pdf = g_folder + QStringLiteral("stampa-%1.pdf").arg(g_printed.size() + 1);
    Printing::writePdf(report, pdf);
    g_printed.append({preview, pdf, report});
}

const QString kNotInProgramFolder = QStringLiteral(
    "Attenzione: non \u00E8 possibile stampare su un file nella cartella di installazione del programma, che "
    "contiene gli archivi.\n\r\n\rScegliere un'altra cartella.");

bool writesFile(const QPrinter& printer)
{
    return printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty();
}

// Qt's browse button beside the output file name opens a file dialog that deletes and renames
// files; the program's own is read-only.
void browseReadOnly(QPrintDialog& dialog)
{
    auto* browse = dialog.findChild<QAbstractButton*>(QStringLiteral("fileBrowser"));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    if (!browse || !name || !printers)
        return;
    QObject::disconnect(browse, &QAbstractButton::clicked, nullptr, nullptr);
    QObject::connect(browse, &QAbstractButton::clicked, &dialog, [&dialog, name, printers] {
        const QString path = Dialogs::saveFile(&dialog, QStringLiteral("Stampa su file"), name->text());
        if (path.isEmpty())
            return;
        name->setText(path);
        // The file is the list's last entry.
        printers->setCurrentIndex(printers->count() - 1);
    });
}

// The print dialog: printer, page range, copies. False when the user cancels it, and when visitors
// would print into a file.
bool choosePrinter(QWidget* parent, QPrinter& printer, int pages)
{
    if (g_testing && !g_showDialogs) {
        const bool cancelled = g_cancelNext;
        g_cancelNext = false;
        return !cancelled;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgStampa"));
    dialog.setMinMax(1, pages);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    // Visitors print on paper only: a file name would let them write over the archives.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, !VisitorMode::isOn());
    browseReadOnly(dialog);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return false;
    if (!writesFile(printer))
        return true;
    if (VisitorMode::isOn())
        return false;
    // The program folder holds the archives: a print named like one of them would replace it.
    if (QFileInfo(printer.outputFileName()).absoluteDir() == QDir(ProgramFolder::path())) {
        MessageBox::warning(parent, kNotInProgramFolder);
        return false;
    }
    return true;
}

bool printOn(QPrinter& printer, const Report& report)
{
    printer.setFullPage(true);
    const bool ranged = printer.printRange() == QPrinter::PageRange;
    return renderReport(report, printer, ranged ? printer.fromPage() : 0, ranged ? printer.toPage() : 0);
}

// In tests nothing reaches a printer: the report is recorded instead. Only a file chosen in a
// test's real print dialog is written, as it would be for the user.
bool send(QPrinter& printer, const Report& report)
{
    if (g_testing && !(g_showDialogs && writesFile(printer))) {
        record(report, false);
        return true;
    }
    return printOn(printer, report);
}

// The preview's own print button opens Qt's print dialog as it comes, with its file entry and
// file dialog: it opens the program's print dialog instead.
void printThroughOurDialog(QPrintPreviewDialog& dialog, QPrinter& printer, const Report& report)
{
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() != print)
            continue;
        QObject::disconnect(action, &QAction::triggered, &dialog, nullptr);
        QObject::connect(action, &QAction::triggered, &dialog, [&dialog, &printer, &report] {
            if (!choosePrinter(&dialog, printer, int(paginate(report).size())))
                return;
            send(printer, report);
            dialog.accept();
        });
    }
}

// Qt writes the zoom as "59.3%", and reads back only what it writes: the preview shows whole
// percentages, as an Italian reader writes them and as Qt reads them.
void wholePercentages(QPrintPreviewDialog& dialog)
{
    auto* zoom = dialog.findChild<QComboBox*>();
    if (!zoom || !zoom->lineEdit())
        return;
    {
        // Taking an item away must not choose the next one as the zoom.
        const QSignalBlocker quiet(zoom);
        for (int i = zoom->count() - 1; i >= 0; --i) {
            if (zoom->itemText(i).contains(QLatin1Char('.')))
                zoom->removeItem(i);
        }
    }
    QLineEdit* edit = zoom->lineEdit();
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
        static const QRegularExpression decimal(QStringLiteral("^(\\d+\\.\\d+)%$"));
        const QRegularExpressionMatch match = decimal.match(text);
        if (match.hasMatch())
            edit->setText(QStringLiteral("%1%").arg(qRound(match.captured(1).toDouble())));
    });
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
    return send(printer, report);
}

bool printCopies(QWidget* parent, const Report& report, int copies)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(std::max(1, copies));
    printer.setPageOrientation(report.orientation);
    if (!choosePrinter(parent, printer, int(paginate(report).size())))
        return false;
    // The copies the dialog ends with (in tests without the dialog, those proposed), printed one by one.
    const int chosen = g_testing && !g_showDialogs ? copies : printer.copyCount();
    printer.setCopyCount(1);
    bool printed = true;
    for (int copy = 0; copy < chosen; ++copy)
        printed = send(printer, report) && printed;
    return printed;
}

void preview(QWidget* parent, const Report& report)
{
    if (g_testing)
        record(report, true);
    if (g_testing && !g_showDialogs)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(report.orientation);
    // Print, zoom and page buttons come with the window; maximising it shows the page full screen.
    QPrintPreviewDialog dialog(&printer, parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    dialog.setObjectName(QStringLiteral("dlgAnteprima"));
    dialog.setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    // All the room the screen leaves free, whatever frame the window manager puts around it;
    // restored, it stands at the centre of its caller.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    dialog.resize(screen->availableGeometry().size() * 3 / 4);
    WindowPlace::centre(dialog, parent);
    dialog.setWindowState(Qt::WindowMaximized);
    wholePercentages(dialog);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&report](QPrinter* target) { printOn(*target, report); });
    printThroughOurDialog(dialog, printer, report);
    Modal::exec(dialog);
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
    g_showDialogs = false;
    g_cancelNext = false;
    g_folder = folder;
    g_printed.clear();
}

void stopTesting()
{
    g_testing = false;
    g_showDialogs = false;
    g_cancelNext = false;
    g_folder.clear();
    g_printed.clear();
}

void showDialogs()
{
    g_showDialogs = true;
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
