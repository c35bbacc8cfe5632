#pragma once

#include <QString>
#include <optional>

class QWidget;

// The file and text-input dialogs. The file dialogs are Qt's own, read-only: they choose a file
// and can delete, rename or create none; while visitors browse the catalogue none is shown.
// In tests each takes the next scripted answer; with no answer left the file dialog is shown
// through Modal (objectName "dlgFile"), so a test's driver may play it, and the text input
// behaves as if the user cancelled.
class Dialogs {
public:
    // The chosen file's path, or an empty text when the user cancelled.
    static QString openFile(QWidget* parent, const QString& title, const QString& filter);
    // The name of a file to write, proposed as `path`; empty when the user cancelled. It does not
    // ask before replacing a file: the caller asks when it writes.
    static QString saveFile(QWidget* parent, const QString& title, const QString& path);
    // The text typed, or nothing when the user cancelled.
    static std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label, const QString& value);

    // Test seam.
    static void startTesting();
    static void stopTesting();
    static void scriptFile(const QString& path);
    static void scriptText(std::optional<QString> text);
};
