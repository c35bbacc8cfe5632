#include "Disk.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <cstdlib>
#include <optional>

#if defined(Q_OS_WIN)
#include <io.h>
#include <qt_windows.h>
#elif defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The injected fault, if any. Writes may come from more than one thread in the tests.
struct Faults {
    QMutex mutex;
    std::optional<Disk::Fault> fault;
    int countdown = 0;
    bool full = false;
    // The numbered steps, and the step faults.
    int steps = 0;
    int failAt = 0;
    Disk::Failing failing = Disk::Failing::Once;
    int crashAt = 0;
    bool crashMidway = false;
};

Faults& faults()
{
    static Faults f;
    return f;
}

// Whether this step is the one the injected fault of this kind waits for.
bool strikes(Disk::Fault kind)
{
    Faults& f = faults();
    QMutexLocker lock(&f.mutex);
    if (f.fault != kind)
        return false;
    if (--f.countdown > 0)
        return false;
    f.fault.reset();
    return true;
}

enum class Fate { Go, Fail, CrashMidway };

// Counts a step and tells what the step faults make of it. A crash before the step ends the
// program here.
Fate takeStep(bool write)
{
    Faults& f = faults();
    QMutexLocker lock(&f.mutex);
    const int n = ++f.steps;
    if (n == f.crashAt) {
        if (write && f.crashMidway)
            return Fate::CrashMidway;
        std::_Exit(Disk::kCrashExitCode);
    }
    const int after = n - f.failAt;
    if (f.failAt > 0 && after >= 0
        && (after == 0 || f.failing == Disk::Failing::ForGood
            || (f.failing == Disk::Failing::Alternately && after % 2 == 0)))
        return Fate::Fail;
    return Fate::Go;
}

void writeHalf(QFileDevice& file, const QByteArray& bytes)
{
    file.write(bytes.constData(), bytes.size() / 2);
    file.flush();
}

bool readOnly()
{
    Faults& f = faults();
    QMutexLocker lock(&f.mutex);
    return f.fault == Disk::Fault::ReadOnly;
}

// How many bytes a full disk still takes at the current position: none past the end.
std::optional<qint64> roomLeft(QFileDevice& file, qint64 wanted)
{
    Faults& f = faults();
    {
        QMutexLocker lock(&f.mutex);
        if (f.fault == Disk::Fault::Full && --f.countdown <= 0) {
            f.fault.reset();
            f.full = true;
        }
        if (!f.full)
            return std::nullopt;
    }
    return std::clamp<qint64>(file.size() - file.pos(), 0, wanted);
}

} // namespace

namespace Disk {

bool openForWriting(QFile& file)
{
    if (takeStep(false) != Fate::Go || readOnly())
        return false;
    // Unbuffered: every write reaches the system at once, and a failed one is seen at once.
    return file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
}

bool writeAll(QFileDevice& file, const QByteArray& bytes)
{
    const Fate fate = takeStep(true);
    if (fate != Fate::Go) {
        writeHalf(file, bytes);
        if (fate == Fate::CrashMidway)
            std::_Exit(kCrashExitCode);
        return false;
    }
    if (strikes(Fault::Error))
        return false;
    if (strikes(Fault::Half)) {
        writeHalf(file, bytes);
        return false;
    }
    if (const auto room = roomLeft(file, bytes.size()); room && *room < bytes.size()) {
        file.write(bytes.constData(), *room);
        file.flush();
        return false;
    }
    return file.write(bytes) == bytes.size();
}

bool sync(QFileDevice& file)
{
    if (takeStep(false) != Fate::Go)
        return false;
    // Qt reports a failed buffered write only at the flush, never at a later commit.
    if (!file.flush())
        return false;
#if defined(Q_OS_WIN)
    // Qt's handle is a C runtime descriptor over the file's Windows handle.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (handle == INVALID_HANDLE_VALUE || !FlushFileBuffers(handle))
        return false;
#elif defined(Q_OS_UNIX)
    if (::fsync(file.handle()) != 0)
        return false;
#endif
    return !strikes(Fault::Sync);
}

bool close(QFileDevice& file)
{
    const Fate fate = takeStep(false);
    file.close();
    return fate == Fate::Go && file.error() == QFileDevice::NoError && !strikes(Fault::Close);
}

bool resize(QFileDevice& file, qint64 size)
{
    return takeStep(false) == Fate::Go && file.resize(size);
}

bool remove(const QString& path)
{
    return takeStep(false) == Fate::Go && (QFile::remove(path) || !QFile::exists(path));
}

bool syncFolder(const QString& path)
{
    if (takeStep(false) != Fate::Go)
        return false;
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
#else
    // Windows has no sync of a folder: NTFS writes a folder's changes to its own log, which the
    // flush of a file of the folder commits.
    return true;
#endif
}

bool replaceFile(const QString& path, const QByteArray& bytes)
{
    if (readOnly())
        return false;
    // No direct-write fallback: a folder where no temporary file can be made is a failure, never
    // a reason to write over the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The rename is a step of its own.
    if (!writeAll(file, bytes) || !sync(file) || strikes(Fault::Close) || takeStep(false) != Fate::Go) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    // The new file is in place; a folder that cannot be synced changes nothing the user can see.
    syncFolder(path);
    return true;
}

bool copyFile(const QString& source, const QString& target)
{
    if (readOnly())
        return false;
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return false;
    QSaveFile to(target);
    if (!to.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 kPiece = 1 << 20;
    while (!from.atEnd()) {
        const QByteArray piece = from.read(kPiece);
        if (from.error() != QFileDevice::NoError || !writeAll(to, piece)) {
            to.cancelWriting();
            return false;
        }
    }
    if (!sync(to) || strikes(Fault::Close) || takeStep(false) != Fate::Go) {
        to.cancelWriting();
        return false;
    }
    if (!to.commit())
        return false;
    syncFolder(target);
    return true;
}

void inject(Fault fault, int nth)
{
    Faults& f = faults();
    QMutexLocker lock(&f.mutex);
    f.fault = fault;
    f.countdown = nth;
    f.full = false;
}

int stepsTaken()
{
    Faults& f = faults();
    QMutexLocker lock(&f.mutex);
    return f.steps;
}

void failStep(int nth, Failing failing)
{
    clearFaults();
    Faults& f = faults();
    QMutexLocker lock(&f.mutex);
    f.failAt = nth;
    f.failing = failing;
}

void crashAtStep(int nth, bool midway)
{
    clearFaults();
    Faults& f = faults();
    QMutexLocker lock(&f.mutex);
    f.crashAt = nth;
    f.crashMidway = midway;
}

void clearFaults()
{
    Faults& f = faults();
    QMutexLocker lock(&f.mutex);
    f.fault.reset();
    f.countdown = 0;
    f.full = false;
    f.steps = 0;
    f.failAt = 0;
    f.failing = Failing::Once;
    f.crashAt = 0;
    f.crashMidway = false;
}

} // namespace Disk
