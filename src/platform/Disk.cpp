#include "Disk.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
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

#ifdef Q_OS_UNIX
// A rename is on the disk only when its folder is. Windows has no such step: NTFS journals the
// rename itself.
void syncFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

} // namespace

namespace Disk {

bool openForWriting(QFile& file)
{
    if (readOnly())
        return false;
    return file.open(QIODevice::ReadWrite);
}

bool writeAll(QFileDevice& file, const QByteArray& bytes)
{
    if (strikes(Fault::Error))
        return false;
    if (strikes(Fault::Half)) {
        file.write(bytes.constData(), bytes.size() / 2);
        file.flush();
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
    file.close();
    return file.error() == QFileDevice::NoError && !strikes(Fault::Close);
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
    if (!writeAll(file, bytes) || !sync(file) || strikes(Fault::Close)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
#ifdef Q_OS_UNIX
    syncFolder(path);
#endif
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
    if (!sync(to) || strikes(Fault::Close)) {
        to.cancelWriting();
        return false;
    }
    if (!to.commit())
        return false;
#ifdef Q_OS_UNIX
    syncFolder(target);
#endif
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

void clearFaults()
{
    Faults& f = faults();
    QMutexLocker lock(&f.mutex);
    f.fault.reset();
    f.countdown = 0;
    f.full = false;
}

} // namespace Disk
