#pragma once

#include <QString>
#include <QStringList>

// A help text: its title and paragraphs, kept as the resource file ":/help/<topic>.txt" (first
// line the title, then the paragraphs, each on one line, separated by an empty line). The help
// window and the user guide read the same files.
struct HelpTopic {
    QString title;
    QStringList paragraphs;

    // The paragraphs joined with an empty line between them, as the help window shows them.
    QString text() const;

    // The topic of a screen; empty when there is no such resource.
    static HelpTopic load(const QString& topic);
    // Every topic, in the order of the user guide.
    static QStringList all();
};
