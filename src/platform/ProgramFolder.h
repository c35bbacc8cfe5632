#pragma once

#include <QString>

// The folder of the executable, where every archive, photo and setting lives. Tests point it at a
// temporary folder.
class ProgramFolder {
public:
    // The folder, ending with a separator.
    static QString path();
    // A file of the program folder.
    static QString file(const QString& name);

    // Test seam.
    static void setPath(const QString& folder);
};
