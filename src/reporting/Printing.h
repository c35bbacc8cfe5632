#pragma once

#include "Report.h"

#include <QList>
#include <QString>

class QWidget;

// Sends a report to the printer, through the print dialog (printer, page range, copies; one copy
// unless the user asks for more), or to the preview window. A file chosen in the print dialog is
// chosen in a read-only file dialog; while visitors browse the catalogue there is no printing
// into a file at all. In tests nothing reaches a printer: each report is written as a PDF into
// the test folder and kept for inspection.
namespace Printing {

// False when the user cancelled the print dialog or the printing failed.
bool print(QWidget* parent, const Report& report);
// The print dialog proposes the copies; the report is then printed once for each copy chosen.
bool printCopies(QWidget* parent, const Report& report, int copies);
void preview(QWidget* parent, const Report& report);
bool writePdf(const Report& report, const QString& path);

// Test seam.
struct Printed {
    bool preview;
    QString pdf;
    Report report;
};
void startTesting(const QString& folder);
void stopTesting();
// From now on the print dialog and the preview are built as for the user and shown through Modal
// ("dlgStampa", "dlgAnteprima"), whose drivers play the user. Without it no dialog is shown.
void showDialogs();
// The next print dialog is cancelled.
void cancelNextPrint();
const QList<Printed>& printed();

} // namespace Printing
