#pragma once

#include <QString>
#include <optional>

class QWidget;

// The file-open and text-input dialogs. In tests each takes the next scripted answer; with no
// answer left it behaves as if the user cancelled.
class Dialogs {
public:
    // The chosen file's path, or an empty text when the user cancelled.
    static QString openFile(QWidget* parent, const QString& title, const QString& filter);
    // The text typed, or nothing when the user cancelled.
    static std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label, const QString& value);

    // Test seam.
    static void startTesting();
    static void stopTesting();
    static void scriptFile(const QString& path);
    static void scriptText(std::optional<QString> text);
};
