#pragma once

#include "Records.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// A headerless file of fixed-size records, numbered from 1. Every operation opens the file for
// reading and writing (creating it empty when missing), works and closes it before returning;
// a failure of any kind comes back as an empty result or false, which the screens turn into the
// access message. A trailing partial record is ignored by readers; an append writes at
// count x size, over it.
class RecordFile {
public:
    RecordFile(QString path, int recordSize);

    const QString& path() const { return m_path; }

    // Opens (creating) and closes the file: the check that the archive can be reached.
    bool touch() const;
    std::optional<int> count() const;
    std::optional<QByteArray> read(int n) const;
    // Overwrites record n, 1 <= n <= count.
    bool write(int n, const QByteArray& record) const;
    // Adds a record at the end; its number.
    std::optional<int> append(const QByteArray& record) const;
    // Calls visit(n, bytes) for records 1 ... count in order, reading many records per call to
    // the system; visit returns false to stop early. False on a failure.
    bool scan(const std::function<bool(int n, const char* bytes)>& visit) const;

private:
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
    std::optional<int> count() const { return m_file.count(); }
    std::optional<R> read(int n) const
    {
        const auto bytes = m_file.read(n);
        if (!bytes)
            return std::nullopt;
        return decodeRecord<R>(*bytes);
    }
    bool write(int n, const R& record) const { return m_file.write(n, encodeRecord(record)); }
    std::optional<int> append(const R& record) const { return m_file.append(encodeRecord(record)); }
    bool scan(const std::function<bool(int n, const R& record)>& visit) const
    {
        return m_file.scan([&](int n, const char* bytes) { return visit(n, decodeRecord<R>(bytes)); });
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
