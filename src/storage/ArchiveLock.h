#pragma once

#include <QLockFile>
#include <QString>

// The lock beside an archive ("<archive>.lock"), held for the milliseconds of one write, so that
// two computers sharing the program folder never write the same archive at once.
//
// A lock is never judged by its file's date: another computer's clock may be hours apart from
// this one's. A lock of this computer whose program has ended is taken over at once (Qt tells by
// its process); a lock of another computer is taken over only once this computer has seen it,
// unchanged, for a long time of its own clock (that computer stopped half-way: a crash, a pulled
// cable).
class ArchiveLock {
public:
    // Waits a few seconds for a lock held elsewhere; held() tells whether it came.
    explicit ArchiveLock(const QString& archivePath);
    bool held() const { return m_held; }

    // Test seam: how long a lock held elsewhere is waited for, and how long another computer's
    // lock must be seen unchanged to be taken over. Negative values restore the program's own.
    static void setPatience(int waitMs, int takeOverMs);

private:
    QLockFile m_lock;
    bool m_held = false;
};
