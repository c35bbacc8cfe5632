#pragma once

#include "Records.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QFile;

// A headerless file of fixed-size records, numbered from 1. Every operation opens the file, works
// and closes it before returning; a failure of any kind comes back as an empty result or false,
// which the screens turn into the access message.
//
// Readers open an existing file read-only, so an archive on a write-protected stick can be
// consulted; a missing file is created empty by whoever opens it first. Writers take the archive's
// lock for the one operation, so that two computers sharing the folder never write over each
// other's records, and write through a rollback journal (see Transaction): a write is reported
// done only once it is on the disk; after a failed write, a crash or a power cut the file holds
// exactly its old records. Every opener, reader or writer, first puts back what the journal of an
// interrupted write holds; a reader that cannot (a write-protected stick) reports an access error
// rather than read a torn record. A trailing partial record is ignored by readers; an append
// writes at count x size, over it.
class RecordFile {
public:
    // More records than any archive of the program can hold: such a file is an access error.
    static constexpr qint64 kMaxRecords = qint64(1) << 31;

    RecordFile(QString path, int recordSize);

    const QString& path() const { return m_path; }
    int recordSize() const { return m_size; }

    // Opens the file for writing (creating it) and closes it: the check that it can be saved to.
    bool touch() const;
    std::optional<qint64> count() const;
    std::optional<QByteArray> read(qint64 n) const;
    // Overwrites record n, 1 <= n <= count.
    bool write(qint64 n, const QByteArray& record) const;
    // Under the archive's lock, reads record n and lets change() decide: it edits the bytes and
    // returns true to store them, or returns false to leave the record alone. The check and the
    // write cannot be split by another computer's write. Nothing when the file cannot be reached
    // or written; otherwise whether the record was changed.
    std::optional<bool> update(qint64 n, const std::function<bool(QByteArray& record)>& change) const;
    // Adds a record at the real end of the file; the number it was written as.
    std::optional<qint64> append(const QByteArray& record) const;
    // Adds many records at the real end of the file in one operation under the archive's lock:
    // first ready() runs under the lock, before anything is written, and false gives up; then next()
    // hands the following block of whole records, an empty block when there are no more, or
    // nothing to give up. Either every record is added, or the file is as it was and nothing is.
    // The number of the first record added.
    std::optional<qint64> appendAll(
        const std::function<bool()>& ready, const std::function<std::optional<QByteArray>()>& next) const;
    // Calls visit(n, bytes) for records 1 ... count in order, reading many records per call to
    // the system; visit returns false to stop early. False on a failure. An exception of visit
    // comes back once the reading has stopped.
    bool scan(const std::function<bool(qint64 n, const char* bytes)>& visit) const;

    // Calls visit(half, n, bytes) for every record, for a visit that needs no order across the
    // whole file: the file is cut in two halves, read and visited at once on two threads, each
    // half in order; half is 0 for the records of the first, 1 for the second. visit is called
    // from both threads at once, for different halves. False on a failure. When either half fails
    // or throws, both stop; the exception comes back on the caller's thread once both have.
    bool scanInHalves(const std::function<void(int half, qint64 n, const char* bytes)>& visit) const;

private:
    friend class Transaction;
    // The records of a file of that many bytes, or nothing for a file too large to be an archive.
    std::optional<qint64> recordsIn(qint64 fileBytes) const;
    // Record n of an open file.
    std::optional<QByteArray> readFrom(QFile& file, qint64 n) const;

    QString m_path;
    int m_size;
};

// A record file read and written as values of one record type.
template <class R> class Archive {
public:
    // The type's own archive in the program folder.
    Archive();
    explicit Archive(QString path)
        : m_file(std::move(path), RecordLayout<R>::size)
    {
    }

    const RecordFile& file() const { return m_file; }

    bool touch() const { return m_file.touch(); }
    std::optional<qint64> count() const { return m_file.count(); }
    std::optional<R> read(qint64 n) const
    {
        const auto bytes = m_file.read(n);
        if (!bytes)
            return std::nullopt;
        return decodeRecord<R>(*bytes);
    }
    bool write(qint64 n, const R& record) const { return m_file.write(n, encodeRecord(record)); }
    std::optional<qint64> append(const R& record) const { return m_file.append(encodeRecord(record)); }
    bool scan(const std::function<bool(qint64 n, const R& record)>& visit) const
    {
        return m_file.scan([&](qint64 n, const char* bytes) { return visit(n, decodeRecord<R>(bytes)); });
    }

private:
    RecordFile m_file;
};

QString archivePath(const char* fileName);

template <class R>
Archive<R>::Archive()
    : m_file(archivePath(RecordLayout<R>::fileName), RecordLayout<R>::size)
{
}
