#include "RecordFile.h"

#include "ArchiveLock.h"
#include "Disk.h"
#include "Journal.h"
#include "ProgramFolder.h"
#include "Transaction.h"

#include <QElapsedTimer>
#include <QFile>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// Records read per system call by a scan.
constexpr qint64 kScanBytes = 1 << 20;

// Records read per system call by each half of a scan in halves. Each half reads a block and
// visits its records on the same core, while the block is still in that core's cache; the two
// halves' reads out of the system's cache overlap, so the scan takes less than reading the file.
constexpr qint64 kHalfBlockBytes = 256 << 10;

// How long a scan's two threads wait for each other's block before they sleep.
constexpr qint64 kSpinNs = 200000;

// What an interrupted write left is put back before anything is read: one look at the folder when
// there is nothing to do.
bool settled(const QString& path)
{
    if (!Journal::pending(path))
        return true;
    ArchiveLock lock(path);
    return lock.held() && Journal::settle(path, {path});
}

// Readers never ask for write access to an existing file; only a missing one is created.
bool openForReading(QFile& file)
{
    if (!settled(file.fileName()))
        return false;
    if (file.exists())
        return file.open(QIODevice::ReadOnly);
    return Disk::openForWriting(file);
}

// Blocks handed from one thread to the other, counted. Taking one first tries for a short while
// without sleeping: a block takes well under a millisecond either side, and a thread put to sleep
// for each one waits far longer to be woken (on a virtual machine most of all). Built on the
// standard mutex, whose hand-overs ThreadSanitizer sees (Qt's own are built without it).
class Turns {
public:
    explicit Turns(int count)
        : m_count(count)
    {
    }

    void give(int count = 1)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_count += count;
        }
        m_given.notify_one();
    }

    void take()
    {
        QElapsedTimer waited;
        waited.start();
        while (!tryTake()) {
            if (waited.nsecsElapsed() > kSpinNs) {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_given.wait(lock, [this] { return m_count > 0; });
                --m_count;
                return;
            }
            std::this_thread::yield();
        }
    }

private:
    bool tryTake()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_count == 0)
            return false;
        --m_count;
        return true;
    }

    std::mutex m_mutex;
    std::condition_variable m_given;
    int m_count;
};

// Reads records from + 1 ... to of an open file, block by block. Ahead, it reads one block ahead of
// its use on a thread of its own: on two cores the copy out of the system's cache and the work on
// the records of the block before overlap, so that a scan of a large archive takes little more
// than reading it. Two buffers take turns. A short read ends the blocks and is reported as failed;
// an exception of the reading thread comes back from next().
class BlockReader {
public:
    BlockReader(QFile& file, int recordSize, qint64 from, qint64 to, qint64 blockBytes, bool ahead)
        : m_file(file)
        , m_blockBytes(std::max<qint64>(1, blockBytes / recordSize) * recordSize)
        , m_left((to - from) * recordSize)
    {
        if (m_left > 0 && !m_file.seek(from * recordSize)) {
            m_failed = true;
            m_left = 0;
        }
        // A range of one block gains nothing from a second thread; a system that cannot start one
        // gets the blocks read in turn.
        if (!ahead || m_left <= m_blockBytes)
            return;
        try {
            m_thread = std::thread([this] { readAhead(); });
        } catch (const std::system_error&) {
        }
    }

    ~BlockReader()
    {
        if (!m_thread.joinable())
            return;
        m_stop = true;
        m_free.give(2);
        m_thread.join();
    }

    // The next block, or nullptr at the end or after a failed read. The block stays valid until the
    // next call.
    const QByteArray* next()
    {
        if (!m_thread.joinable())
            return readBlock(m_buffers[0]) ? &m_buffers[0] : nullptr;
        if (m_taken > 0)
            m_free.give();
        m_full.take();
        const QByteArray& block = m_buffers[m_taken++ % 2];
        if (m_error)
            std::rethrow_exception(std::exchange(m_error, nullptr));
        return block.isEmpty() ? nullptr : &block;
    }

    bool failed() const { return m_failed; }

private:
    // Fills the block with the next bytes of the range; false at its end or on a failed read.
    bool readBlock(QByteArray& block)
    {
        const qint64 size = std::min(m_blockBytes, m_left);
        block.resize(size);
        if (size <= 0)
            return false;
        if (m_file.read(block.data(), size) != size) {
            m_failed = true;
            m_left = 0;
            block.clear();
            return false;
        }
        m_left -= size;
        return true;
    }

    void readAhead()
    {
        try {
            for (qint64 i = 0;; ++i) {
                m_free.take();
                if (m_stop)
                    return;
                const bool more = readBlock(m_buffers[i % 2]);
                m_full.give();
                if (!more)
                    return;
            }
        } catch (...) {
            // Handed to the caller's thread, which takes it before looking at any block.
            m_error = std::current_exception();
            m_full.give();
        }
    }

    QFile& m_file;
    const qint64 m_blockBytes;
    qint64 m_left;
    QByteArray m_buffers[2];
    Turns m_free {2};
    Turns m_full {0};
    std::atomic<bool> m_stop {false};
    std::atomic<bool> m_failed {false};
    std::exception_ptr m_error;
    qint64 m_taken = 0;
    std::thread m_thread;
};

// Calls visit(n, bytes) for records from + 1 ... to of an open file in order, until visit returns
// false or stop is set. False on a failed or short read.
bool visitRecords(QFile& file, int size, qint64 from, qint64 to, qint64 blockBytes, bool ahead,
    const std::atomic<bool>& stop, const std::function<bool(qint64 n, const char* bytes)>& visit)
{
    BlockReader reader(file, size, from, to, blockBytes, ahead);
    qint64 n = from;
    while (const QByteArray* block = reader.next()) {
        if (stop)
            return true;
        const qint64 records = block->size() / size;
        for (qint64 i = 0; i < records; ++i) {
            if (!visit(++n, block->constData() + i * size))
                return true;
        }
    }
    return !reader.failed();
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

std::optional<qint64> RecordFile::recordsIn(qint64 fileBytes) const
{
    const qint64 records = fileBytes / m_size;
    if (records > kMaxRecords)
        return std::nullopt;
    return records;
}

std::optional<QByteArray> RecordFile::readFrom(QFile& file, qint64 n) const
{
    const auto count = recordsIn(file.size());
    if (!count || n < 1 || n > *count || !file.seek((n - 1) * m_size))
        return std::nullopt;
    QByteArray bytes = file.read(m_size);
    if (bytes.size() != m_size)
        return std::nullopt;
    return bytes;
}

bool RecordFile::touch() const
{
    QFile file(m_path);
    return settled(m_path) && Disk::openForWriting(file);
}

std::optional<qint64> RecordFile::count() const
{
    QFile file(m_path);
    if (!openForReading(file))
        return std::nullopt;
    return recordsIn(file.size());
}

std::optional<QByteArray> RecordFile::read(qint64 n) const
{
    QFile file(m_path);
    if (!openForReading(file))
        return std::nullopt;
    return readFrom(file, n);
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
    Transaction transaction({*this});
    auto record = transaction.read(0, n);
    if (!record)
        return std::nullopt;
    if (!change(*record))
        return false;
    if (!transaction.put(0, n, *record) || !transaction.commit())
        return std::nullopt;
    return true;
}

std::optional<qint64> RecordFile::append(const QByteArray& record) const
{
    Transaction transaction({*this});
    // Counted under the lock: the end another computer may just have moved.
    const auto count = transaction.count(0);
    if (!count || !transaction.put(0, *count + 1, record) || !transaction.commit())
        return std::nullopt;
    return *count + 1;
}

std::optional<qint64> RecordFile::appendAll(
    const std::function<bool()>& ready, const std::function<std::optional<QByteArray>()>& next) const
{
    Transaction transaction({*this});
    const auto count = transaction.count(0);
    if (!count || !ready() || !transaction.append(0, next) || !transaction.commit())
        return std::nullopt;
    return *count + 1;
}

bool RecordFile::scan(const std::function<bool(qint64 n, const char* bytes)>& visit) const
{
    QFile file(m_path);
    if (!openForReading(file))
        return false;
    const auto total = recordsIn(file.size());
    const std::atomic<bool> never {false};
    return total && visitRecords(file, m_size, 0, *total, kScanBytes, true, never, visit);
}

bool RecordFile::scanInHalves(const std::function<void(int half, qint64 n, const char* bytes)>& visit) const
{
    QFile file(m_path);
    if (!openForReading(file))
        return false;
    const auto total = recordsIn(file.size());
    if (!total)
        return false;
    // A file of one block is not worth a second thread: all of it is the first half.
    const qint64 middle = *total * m_size <= kHalfBlockBytes ? *total : *total / 2;
    // Either half stops the other when it fails or throws; the first exception is kept for the
    // caller's thread.
    std::atomic<bool> stop {false};
    bool done[2] = {false, false};
    std::exception_ptr error[2];
    const auto half = [&](int h) {
        try {
            // The second half on a file of its own, for a position of its own.
            QFile other(m_path);
            QFile& own = h == 0 ? file : other;
            done[h] = (h == 0 || other.open(QIODevice::ReadOnly))
                && visitRecords(own, m_size, h == 0 ? 0 : middle, h == 0 ? middle : *total, kHalfBlockBytes,
                    false, stop, [&](qint64 n, const char* bytes) {
                        visit(h, n, bytes);
                        return true;
                    });
        } catch (...) {
            error[h] = std::current_exception();
        }
        if (!done[h])
            stop = true;
    };
    std::thread second;
    if (middle < *total) {
        try {
            second = std::thread(half, 1);
        } catch (const std::system_error&) {
        }
    }
    half(0);
    if (second.joinable())
        second.join();
    else if (middle < *total && !stop)
        half(1);
    for (const std::exception_ptr& e : error) {
        if (e)
            std::rethrow_exception(e);
    }
    return done[0] && (done[1] || middle == *total);
}
