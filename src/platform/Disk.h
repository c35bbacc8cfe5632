#pragma once

#include <QByteArray>
#include <QString>

class QFile;
class QFileDevice;

// The one door through which the program writes to disk. A write either completes and reaches
// the disk (flushed and synced), or reports failure; the callers use these steps to keep their
// files exactly as they were when a step fails. Tests tell this layer to fail as a real disk does.
namespace Disk {

// Opens a file for reading and writing, creating it empty when missing.
bool openForWriting(QFile& file);
// Writes every byte at the current position; false on an error or a short write.
bool writeAll(QFileDevice& file, const QByteArray& bytes);
// Pushes what is buffered to the file and asks the system to put it on the disk.
bool sync(QFileDevice& file);
// Closes the file; false when the close reported an error.
bool close(QFileDevice& file);
// Sets the length of an open file.
bool resize(QFileDevice& file, qint64 size);
// Removes a file; false when it is still there.
bool remove(const QString& path);
// Puts on the disk the folder's list of files, so that a file just made or removed stays so after
// a power cut.
bool syncFolder(const QString& path);

// Replaces a whole file (INI files, pictures, exports): the bytes go to a temporary file of the
// same folder, which is flushed, synced and then renamed over the old one. On any failure the
// old file is left untouched and no temporary file remains. Windows refuses the rename while
// another program holds the old file open (a spreadsheet program showing an export): a failure.
bool replaceFile(const QString& path, const QByteArray& bytes);

// Copies a file of any size, in pieces, through a temporary file that replaces the target only
// once it is whole and on the disk: a failed copy leaves the old target as it was.
bool copyFile(const QString& source, const QString& target);

// Test seam: the faults of a failing disk.
enum class Fault {
    Error,    // the n-th write writes nothing and fails
    Half,     // the n-th write writes half of its bytes and fails
    Full,     // from the n-th write on, nothing can be written past the end of a file
    Sync,     // the n-th sync fails (the bytes may already be in the file)
    Close,    // the n-th close fails (the bytes may already be in the file)
    ReadOnly, // every open for writing fails, as on a write-protected stick
};
// Counted from now: the n-th write, sync or close of the program, as the fault says.
void inject(Fault fault, int nth = 1);

// Every call of this layer that changes the disk (an open for writing, a write, a sync, a close,
// a resize, a removal, the rename of a replaced file, a folder sync) is one step, counted from the
// last failStep(), crashAtStep() or clearFaults().
int stepsTaken();
// How a disk fails from the n-th step on: at that step only; at every step, as a stick pulled out
// or a share that went away; at every other step, as a share that comes and goes.
enum class Failing { Once, ForGood, Alternately };
// The n-th step fails as the failing says; a failing write writes half of its bytes.
void failStep(int nth, Failing failing);
// The program ends at once at the n-th step, as if killed or the power went: before the step, or
// midway, a write after half of its bytes. The exit code tells such an end from a normal one.
void crashAtStep(int nth, bool midway);
constexpr int kCrashExitCode = 86;

void clearFaults();

} // namespace Disk
