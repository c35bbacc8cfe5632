#include "Transaction.h"

#include "ArchiveLock.h"
#include "Disk.h"
#include "Journal.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

struct Transaction::Member {
    explicit Member(const RecordFile& archive)
        : file(archive)
        , lock(archive.path())
        , data(archive.path())
    {
    }

    QString journal() const { return Journal::pathOf(file.path()); }

    RecordFile file;
    ArchiveLock lock;
    QFile data;
    // The change: where, the bytes it replaces and the old length; then how its new bytes are
    // written, from where the change goes.
    std::optional<Journal::Entry> entry;
    std::function<bool(QFile& data)> write;
};

Transaction::Transaction(const std::vector<RecordFile>& files)
{
    QStringList locked;
    for (const RecordFile& file : files) {
        m_members.push_back(std::make_unique<Member>(file));
        if (!m_members.back()->lock.held())
            return;
        locked << file.path();
    }
    for (const auto& m : m_members) {
        const QString& path = m->file.path();
        if (Journal::pending(path) && !(Journal::settle(path, locked) && !Journal::pending(path)))
            return;
    }
    for (const auto& m : m_members) {
        if (!Disk::openForWriting(m->data))
            return;
    }
    m_ready = true;
}

Transaction::~Transaction() = default;

std::optional<qint64> Transaction::count(size_t file) const
{
    if (!m_ready)
        return std::nullopt;
    const Member& m = *m_members.at(file);
    return m.file.recordsIn(m.data.size());
}

std::optional<QByteArray> Transaction::read(size_t file, qint64 n) const
{
    if (!m_ready)
        return std::nullopt;
    Member& m = *m_members.at(file);
    return m.file.readFrom(m.data, n);
}

bool Transaction::put(size_t file, qint64 n, const QByteArray& record)
{
    Member& m = *m_members.at(file);
    if (record.size() != m.file.recordSize())
        return false;
    return plan(m, n, [record](QFile& data) { return Disk::writeAll(data, record); });
}

bool Transaction::append(size_t file, std::function<std::optional<QByteArray>()> next)
{
    const auto records = count(file);
    Member& m = *m_members.at(file);
    if (!records)
        return false;
    const int size = m.file.recordSize();
    return plan(m, *records + 1, [records = *records, size, next = std::move(next)](QFile& data) {
        for (qint64 added = 0;;) {
            const auto block = next();
            if (!block || block->size() % size != 0
                || records + added + block->size() / size > RecordFile::kMaxRecords)
                return false;
            if (block->isEmpty())
                return true;
            if (!Disk::writeAll(data, *block))
                return false;
            added += block->size() / size;
        }
    });
}

bool Transaction::plan(Member& m, qint64 n, std::function<bool(QFile& data)> write)
{
    const auto records = m_ready ? m.file.recordsIn(m.data.size()) : std::nullopt;
    const int size = m.file.recordSize();
    if (!records || m.entry || n < 1 || n > *records + 1 || n > RecordFile::kMaxRecords)
        return false;
    Journal::Entry entry;
    entry.oldSize = m.data.size();
    entry.offset = (n - 1) * size;
    // What the write covers: the record it replaces, a partial record it writes over, or nothing.
    if (!m.data.seek(entry.offset))
        return false;
    entry.old = m.data.read(size);
    if (entry.old.size() != std::min<qint64>(size, entry.oldSize - entry.offset))
        return false;
    m.entry = std::move(entry);
    m.write = std::move(write);
    return true;
}

bool Transaction::commit()
{
    if (!m_ready)
        return false;
    std::vector<Member*> changed;
    for (const auto& m : m_members) {
        if (m->entry)
            changed.push_back(m.get());
    }
    if (changed.empty())
        return true;

    Member* const record = changed.front();
    const QString recordName = QFileInfo(record->file.path()).fileName();
    const quint64 number = QRandomGenerator::system()->generate64();
    for (Member* m : changed) {
        m->entry->transaction = number;
        m->entry->commitRecord = m == record;
        m->entry->others = m == record ? QStringList() : QStringList(recordName);
        if (m != record)
            record->entry->others << QFileInfo(m->file.path()).fileName();
    }
    // The partners' journals first and the commit record last, all on the disk before any archive
    // is touched.
    bool journaled = true;
    std::vector<Member*> journals;
    for (auto it = changed.rbegin(); journaled && it != changed.rend(); ++it) {
        journals.push_back(*it);
        journaled = Journal::write((*it)->file.path(), *(*it)->entry);
    }
    if (!journaled || !Disk::syncFolder(record->file.path())) {
        // No archive was touched: the journals only go.
        for (Member* m : journals)
            Disk::remove(m->journal());
        return false;
    }

    bool stored = true;
    for (Member* m : changed)
        stored = stored && m->data.seek(m->entry->offset) && m->write(m->data) && Disk::sync(m->data);
    for (Member* m : changed)
        stored = Disk::close(m->data) && stored;
    // The commit: once the commit record is gone, the new bytes are the archives' own.
    if (!stored || !Disk::remove(record->journal()))
        return undo(changed);
    // Its removal on the disk before the partners' journals go, so that a power cut cannot bring
    // back the commit record without them. A partner left over is only removed by the next opener.
    if (Disk::syncFolder(record->file.path())) {
        for (Member* m : changed) {
            if (m != record)
                Disk::remove(m->journal());
        }
    }
    return true;
}

bool Transaction::undo(const std::vector<Member*>& changed)
{
    // The old bytes go back from memory. The journals go only once every archive is back;
    // otherwise they stay, and the next opener puts back what they hold.
    bool back = true;
    for (Member* m : changed)
        back = Journal::rollBack(m->file.path(), *m->entry) && back;
    if (back && Disk::remove(changed.front()->journal())) {
        for (Member* m : changed) {
            if (m != changed.front())
                Disk::remove(m->journal());
        }
    }
    return false;
}
