#pragma once

#include <QString>
#include <optional>

class QWidget;

// The file and number dialogs. The file dialogs are Qt's own, read-only: they choose a file
// and can delete, rename or create none; while visitors browse the catalogue none is shown.
// In tests each takes the next scripted answer; with no answer left the dialog is shown through
// Modal (objectName "dlgFile", "dlgNumero"), so a test's driver may play it, and without a driver
// it is cancelled.
class Dialogs {
public:
    // The chosen file's path, or an empty text when the user cancelled.
    static QString openFile(QWidget* parent, const QString& title, const QString& filter);
    // The name of a file to write, proposed as `path`; empty when the user cancelled. It does not
    // ask before replacing a file: the caller asks when it writes.
    static QString saveFile(QWidget* parent, const QString& title, const QString& path);
    // A whole number typed in a number field, as the text the field shows, or nothing when the
    // user cancelled. The dialog is as wide as its title.
    static std::optional<QString> askNumber(
        QWidget* parent, const QString& title, const QString& label, int value);

    // Test seam.
    static void startTesting();
    static void stopTesting();
    static void scriptFile(const QString& path);
    static void scriptText(std::optional<QString> text);
};
