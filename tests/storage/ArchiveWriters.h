#pragma once

#include <QList>
#include <QStringList>
#include <functional>

// The writers of the archives, each over fixed files of the program folder: the files as they are
// before the write, and the write. Shared by the tests and by the worker that is made to end at a
// given step of a write.
struct ArchiveWriter {
    const char* name;
    QStringList files;
    // Writes the files as they are before the write.
    std::function<void()> prepare;
    // The write; whether it reported the change stored.
    std::function<bool()> write;
};

const QList<ArchiveWriter>& archiveWriters();
