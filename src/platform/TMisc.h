#pragma once

#include <QString>
#include <QStringList>

// Hands a document, a web address or a mail link to the desktop. Callers enclose the command in
// double quotes. It reports nothing to the user; it answers whether the desktop took the command,
// for the callers that have a message for that. In tests the command is only recorded, quotes
// included.
class TMisc {
public:
    static bool Open(const QString& command);

    // Test seam.
    static void startRecording();
    static void stopRecording();
    static const QStringList& recorded();
    // The next command is refused, as by a desktop without a browser.
    static void refuseNext();
};
