#include "ArchiveLock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QSysInfo>
#include <QThread>
#include <atomic>

namespace {

// A write holds the lock for milliseconds: another computer's lock seen unchanged this long
// belongs to a write that will not end.
constexpr int kTakeOverMs = 30000;
// How long a writer waits for another write to end.
constexpr int kWaitMs = 8000;
// QLockFile's own wait sleeps 100 ms at first and then longer; a write takes a few milliseconds,
// so the lock is tried again more often.
constexpr int kRetryMs = 2;

std::atomic<int> waitMs {kWaitMs};
std::atomic<int> takeOverMs {kTakeOverMs};

// What this computer has seen of other computers' locks: each lock file as first seen, and since
// when by this computer's own clock.
struct Sighting {
    QByteArray look;
    QElapsedTimer since;
};

struct Sightings {
    QMutex mutex;
    QHash<QString, Sighting> byPath;
};

Sightings& sightings()
{
    static Sightings s;
    return s;
}

// A lock file as seen from here: its content (process, program, computer) and its date, which
// changes with every new lock even when the clocks disagree. Empty when there is none.
QByteArray lookOf(const QString& lockPath)
{
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll() + '\n'
        + QByteArray::number(file.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch());
}

// Whether a lock held elsewhere is another computer's, seen unchanged for the take-over time; look
// is what it looks like now. A lock of this computer is Qt's to judge, by its process.
bool abandoned(const QLockFile& lock, QByteArray& look)
{
    look = lookOf(lock.fileName());
    qint64 pid = 0;
    QString computer;
    QString program;
    const bool known = lock.getLockInfo(&pid, &computer, &program);
    Sightings& s = sightings();
    QMutexLocker locker(&s.mutex);
    if (look.isEmpty() || !known || computer == QSysInfo::machineHostName()) {
        s.byPath.remove(lock.fileName());
        return false;
    }
    Sighting& seen = s.byPath[lock.fileName()];
    if (seen.look != look) {
        seen.look = look;
        seen.since.start();
        return false;
    }
    return seen.since.hasExpired(takeOverMs);
}

// Removes a lock seen abandoned, under a guard, so that two computers taking it over at once do not
// remove each other's new lock: only the very lock seen goes. The guard is Qt's own, which its
// take-over of a lock of this computer uses too.
void takeOver(QLockFile& lock, const QByteArray& look)
{
    QLockFile guard(lock.fileName() + QStringLiteral(".rmlock"));
    guard.setStaleLockTime(0);
    if (guard.tryLock(0)) {
        if (lookOf(lock.fileName()) == look)
            lock.removeStaleLockFile();
        return;
    }
    // A guard is held for microseconds: one left by a computer that stopped inside it goes by the
    // same rule.
    QByteArray guardLook;
    if (guard.error() == QLockFile::LockFailedError && abandoned(guard, guardLook))
        guard.removeStaleLockFile();
}

} // namespace

ArchiveLock::ArchiveLock(const QString& archivePath)
    : m_lock(archivePath + QStringLiteral(".lock"))
{
    // Never by date: Qt still takes over at once a lock of this computer whose program has ended.
    m_lock.setStaleLockTime(0);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        m_held = m_lock.tryLock(0);
        if (m_held || m_lock.error() != QLockFile::LockFailedError)
            return;
        QByteArray look;
        if (abandoned(m_lock, look))
            takeOver(m_lock, look);
        if (deadline.hasExpired())
            return;
        QThread::msleep(kRetryMs);
    }
}

void ArchiveLock::setPatience(int wait, int takeOver)
{
    waitMs = wait < 0 ? kWaitMs : wait;
    takeOverMs = takeOver < 0 ? kTakeOverMs : takeOver;
}
