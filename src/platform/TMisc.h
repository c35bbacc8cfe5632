#pragma once

#include <QString>
#include <QStringList>

// Hands a document, a web address or a mail link to the desktop. Callers enclose the command in
// double quotes; nothing comes back and nothing is reported. In tests the command is only
// recorded, quotes included.
class TMisc
{
public:
    static void Open(const QString& command);

    // Test seam.
    static void startRecording();
    static void stopRecording();
    static const QStringList& recorded();
};
