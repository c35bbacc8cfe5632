#include "RecordFile.h"

#include "Disk.h"
#include "ProgramFolder.h"

#include <QFile>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLockFile>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <atomic>
#include <system_error>
#include <thread>

namespace {

// Records read per system call by a scan.
constexpr qint64 kScanBytes = 1 << 20;

// How long a scan's two threads wait for each other's block before they sleep.
constexpr qint64 kSpinNs = 200000;

// A write holds the lock for milliseconds; a lock older than this was left by a program that
// stopped half-way (a crash, a pulled cable) and is taken over.
constexpr int kStaleLockMs = 5000;
// How long a writer waits for another computer's write to end.
constexpr int kLockWaitMs = 8000;
constexpr int kLockRetryMs = 2;

// Readers never ask for write access to an existing file; only a missing one is created.
bool openForReading(QFile& file)
{
    if (file.exists())
        return file.open(QIODevice::ReadOnly);
    return Disk::openForWriting(file);
}

// The records of an open file, or nothing for a file too large to be an archive.
std::optional<qint64> recordsIn(const QFile& file, int size)
{
    const qint64 records = file.size() / size;
    if (records > RecordFile::kMaxRecords)
        return std::nullopt;
    return records;
}

// The lock beside an archive, held for one operation.
class ArchiveLock {
public:
    explicit ArchiveLock(const QString& path)
        : m_lock(path + QStringLiteral(".lock"))
    {
        m_lock.setStaleLockTime(kStaleLockMs);
        // QLockFile's own wait sleeps 100 ms at first and then longer; a write here takes a few
        // milliseconds, so the lock is tried again more often.
        QDeadlineTimer deadline(kLockWaitMs);
        while (!(m_held = m_lock.tryLock(0)) && !deadline.hasExpired()
            && m_lock.error() == QLockFile::LockFailedError)
            QThread::msleep(kLockRetryMs);
    }
    bool held() const { return m_held; }

private:
    QLockFile m_lock;
    bool m_held = false;
};

// Reads a file block by block, one block ahead of its use, on a thread of its own: on two cores
// the copy out of the system's cache and the work on the records of the block before overlap, so
// that a scan of a large archive takes little more than reading it. Two buffers take turns; a
// short read ends the blocks and is reported as failed.
class BlockReader {
public:
    BlockReader(QFile& file, qint64 blockBytes, qint64 totalBytes)
        : m_file(file)
        , m_blockBytes(blockBytes)
        , m_totalBytes(totalBytes)
    {
        // A file of one block gains nothing from a second thread; a system that cannot start
        // one gets the blocks read in turn.
        if (totalBytes <= blockBytes)
            return;
        try {
            m_thread = std::thread([this] { readAll(); });
        } catch (const std::system_error&) {
        }
    }

    ~BlockReader()
    {
        if (!m_thread.joinable())
            return;
        m_stop = true;
        m_free.release(2);
        m_thread.join();
    }

    // The next block, or nullptr at the end of the file or after a failed read. The block stays
    // valid until the next call.
    const QByteArray* next()
    {
        if (!m_thread.joinable())
            return readInline();
        if (m_taken > 0)
            m_free.release();
        acquireSoon(m_full);
        const QByteArray& block = m_buffers[m_taken++ % 2];
        return block.isEmpty() ? nullptr : &block;
    }

    bool failed() const { return m_failed; }

private:
    // Takes the semaphore, first trying for a short while without sleeping: a block takes well
    // under a millisecond either side, and a thread put to sleep for each one waits far longer to
    // be woken (on a virtual machine most of all).
    static void acquireSoon(QSemaphore& semaphore)
    {
        QElapsedTimer waited;
        waited.start();
        while (!semaphore.tryAcquire()) {
            if (waited.nsecsElapsed() > kSpinNs) {
                semaphore.acquire();
                return;
            }
            std::this_thread::yield();
        }
    }

    void readAll()
    {
        for (qint64 done = 0, i = 0;; ++i) {
            acquireSoon(m_free);
            if (m_stop)
                return;
            QByteArray& block = m_buffers[i % 2];
            const qint64 size = std::min(m_blockBytes, m_totalBytes - done);
            block.resize(size);
            if (size > 0 && m_file.read(block.data(), size) != size) {
                m_failed = true;
                block.clear();
            }
            done += block.size();
            m_full.release();
            if (block.isEmpty())
                return;
        }
    }

    const QByteArray* readInline()
    {
        QByteArray& block = m_buffers[0];
        const qint64 size = std::min(m_blockBytes, m_totalBytes - m_inlineDone);
        if (size <= 0)
            return nullptr;
        block.resize(size);
        if (m_file.read(block.data(), size) != size) {
            m_failed = true;
            return nullptr;
        }
        m_inlineDone += size;
        return &block;
    }

    QFile& m_file;
    const qint64 m_blockBytes;
    const qint64 m_totalBytes;
    QByteArray m_buffers[2];
    QSemaphore m_free {2};
    QSemaphore m_full;
    std::atomic<bool> m_stop {false};
    std::atomic<bool> m_failed {false};
    qint64 m_taken = 0;
    qint64 m_inlineDone = 0;
    std::thread m_thread;
};

// Records read per system call by each half of a scan in halves. Each half reads a block and
// visits its records on the same core, while the block is still in that core's cache; the two
// halves' reads out of the system's cache overlap, so the scan takes less than reading the file.
constexpr qint64 kHalfBlockBytes = 256 << 10;

// Visits records from + 1 ... to of an open file, reading them block by block. False on a failed
// or short read.
bool visitRange(QFile& file, int size, qint64 from, qint64 to, const std::function<void(qint64, const char*)>& visit)
{
    if (from >= to)
        return true;
    if (!file.seek(from * size))
        return false;
    const qint64 perBlock = std::max<qint64>(1, kHalfBlockBytes / size);
    QByteArray block(std::min(perBlock, to - from) * size, Qt::Uninitialized);
    for (qint64 n = from; n < to;) {
        const qint64 records = std::min(perBlock, to - n);
        if (file.read(block.data(), records * size) != records * size)
            return false;
        for (qint64 i = 0; i < records; ++i)
            visit(n + i + 1, block.constData() + i * size);
        n += records;
    }
    return true;
}

// The threads of the scans in halves, kept between scans.
QThreadPool& halvesPool()
{
    static QThreadPool pool;
    return pool;
}

// Puts back the bytes a failed write covered and the old length, on a file opened anew (the
// failure may have been the close).
void restore(const QString& path, qint64 offset, const QByteArray& old, qint64 oldSize)
{
    QFile file(path);
    if (!Disk::openForWriting(file))
        return;
    if (!old.isEmpty() && !(file.seek(offset) && Disk::writeAll(file, old)))
        return;
    file.resize(oldSize);
    Disk::sync(file);
    Disk::close(file);
}

} // namespace

QString archivePath(const char* fileName)
{
    return ProgramFolder::file(QString::fromLatin1(fileName));
}

RecordFile::RecordFile(QString path, int recordSize)
    : m_path(std::move(path))
    , m_size(recordSize)
{
}

bool RecordFile::touch() const
{
    QFile file(m_path);
    return Disk::openForWriting(file);
}

std::optional<qint64> RecordFile::count() const
{
    QFile file(m_path);
    if (!openForReading(file))
        return std::nullopt;
    return recordsIn(file, m_size);
}

std::optional<QByteArray> RecordFile::read(qint64 n) const
{
    QFile file(m_path);
    if (!openForReading(file))
        return std::nullopt;
    const auto count = recordsIn(file, m_size);
    if (!count || n < 1 || n > *count || !file.seek((n - 1) * m_size))
        return std::nullopt;
    QByteArray bytes = file.read(m_size);
    if (bytes.size() != m_size)
        return std::nullopt;
    return bytes;
}

bool RecordFile::write(qint64 n, const QByteArray& record) const
{
    const auto done = update(n, [&](QByteArray& bytes) {
        bytes = record;
        return true;
    });
    return done.value_or(false);
}

std::optional<bool> RecordFile::update(qint64 n, const std::function<bool(QByteArray& record)>& change) const
{
    ArchiveLock lock(m_path);
    if (!lock.held())
        return std::nullopt;
    QFile file(m_path);
    if (!Disk::openForWriting(file))
        return std::nullopt;
    const auto count = recordsIn(file, m_size);
    if (!count || n < 1 || n > *count || !file.seek((n - 1) * m_size))
        return std::nullopt;
    QByteArray record = file.read(m_size);
    if (record.size() != m_size)
        return std::nullopt;
    if (!change(record))
        return false;
    if (!put(file, n, record))
        return std::nullopt;
    return true;
}

std::optional<qint64> RecordFile::append(const QByteArray& record) const
{
    ArchiveLock lock(m_path);
    if (!lock.held())
        return std::nullopt;
    QFile file(m_path);
    if (!Disk::openForWriting(file))
        return std::nullopt;
    // Counted under the lock: the end another computer may just have moved.
    const auto count = recordsIn(file, m_size);
    if (!count || *count >= kMaxRecords)
        return std::nullopt;
    const qint64 n = *count + 1;
    if (!put(file, n, record))
        return std::nullopt;
    return n;
}

std::optional<qint64> RecordFile::appendAll(const std::function<std::optional<QByteArray>()>& next) const
{
    ArchiveLock lock(m_path);
    if (!lock.held())
        return std::nullopt;
    QFile file(m_path);
    if (!Disk::openForWriting(file))
        return std::nullopt;
    const auto count = recordsIn(file, m_size);
    if (!count)
        return std::nullopt;
    const qint64 offset = *count * m_size;
    const qint64 oldSize = file.size();
    // A partial record at the end is written over, and put back on failure.
    if (!file.seek(offset))
        return std::nullopt;
    const QByteArray tail = file.read(oldSize - offset);
    if (tail.size() != oldSize - offset || !file.seek(offset))
        return std::nullopt;
    qint64 added = 0;
    bool ok = true;
    while (ok) {
        const auto block = next();
        ok = block && block->size() % m_size == 0 && *count + added + block->size() / m_size <= kMaxRecords;
        if (!ok || block->isEmpty())
            break;
        ok = Disk::writeAll(file, *block);
        added += block->size() / m_size;
    }
    ok = ok && Disk::sync(file);
    ok = Disk::close(file) && ok;
    if (!ok) {
        restore(m_path, offset, tail, oldSize);
        return std::nullopt;
    }
    return *count + 1;
}

bool RecordFile::put(QFile& file, qint64 n, const QByteArray& record) const
{
    if (record.size() != m_size)
        return false;
    const qint64 offset = (n - 1) * m_size;
    const qint64 oldSize = file.size();
    // What the write will cover: the record it replaces, or a partial tail it appends over.
    if (!file.seek(offset))
        return false;
    const QByteArray old = file.read(m_size);
    if (old.size() != std::min<qint64>(m_size, oldSize - offset) || !file.seek(offset))
        return false;
    bool ok = Disk::writeAll(file, record) && Disk::sync(file);
    ok = Disk::close(file) && ok;
    if (!ok)
        restore(m_path, offset, old, oldSize);
    return ok;
}

bool RecordFile::scan(const std::function<bool(qint64 n, const char* bytes)>& visit) const
{
    QFile file(m_path);
    if (!openForReading(file))
        return false;
    const auto total = recordsIn(file, m_size);
    if (!total)
        return false;
    BlockReader reader(file, std::max<qint64>(1, kScanBytes / m_size) * m_size, *total * m_size);
    qint64 n = 0;
    while (const QByteArray* block = reader.next()) {
        const qint64 records = block->size() / m_size;
        for (qint64 i = 0; i < records; ++i) {
            ++n;
            if (!visit(n, block->constData() + i * m_size))
                return true;
        }
    }
    return !reader.failed();
}

bool RecordFile::scanInHalves(const std::function<void(int half, qint64 n, const char* bytes)>& visit) const
{
    QFile file(m_path);
    if (!openForReading(file))
        return false;
    const auto total = recordsIn(file, m_size);
    if (!total)
        return false;
    // A file of one block is not worth a second thread: all of it is the first half.
    const qint64 middle = *total * m_size <= kHalfBlockBytes ? *total : *total / 2;
    // The second half on a file of its own, for a position of its own.
    std::atomic<bool> secondRead {true};
    QSemaphore secondDone;
    const auto second = [&] {
        QFile other(m_path);
        secondRead = other.open(QIODevice::ReadOnly)
            && visitRange(other, m_size, middle, *total, [&](qint64 n, const char* bytes) { visit(1, n, bytes); });
        secondDone.release();
    };
    // With no thread free, the second half follows the first on this one.
    const bool hasSecond = middle < *total;
    const bool secondStarted = hasSecond && halvesPool().tryStart(second);
    const bool firstRead = visitRange(file, m_size, 0, middle, [&](qint64 n, const char* bytes) { visit(0, n, bytes); });
    if (secondStarted)
        secondDone.acquire();
    else if (hasSecond)
        second();
    return firstRead && secondRead;
}
