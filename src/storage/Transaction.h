#pragma once

#include "RecordFile.h"

#include <QByteArray>

class QFile;
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Changes to one or more record files made as one, the way a database commits them: each file gets
// at most one record replaced or added, and after any failure, crash or power cut every file holds
// either all the transaction's changes or none (see Journal). The files are locked in the order
// given for the transaction's life, and what an interrupted write left in them is put back first.
class Transaction {
public:
    explicit Transaction(const std::vector<RecordFile>& files);
    ~Transaction();

    // Whether the files are locked, settled and open; nothing else works otherwise.
    bool ready() const { return m_ready; }
    std::optional<qint64> count(size_t file) const;
    std::optional<QByteArray> read(size_t file, qint64 n) const;
    // Record n of the file is to become the bytes: 1 <= n <= count + 1, where count + 1 adds a
    // record (over a trailing partial one). One change per file.
    bool put(size_t file, qint64 n, const QByteArray& record);
    // Records are to be added at the file's end (over a trailing partial one), as many as next()
    // hands at commit time: a block of whole records at each call, an empty block when there are
    // no more, or nothing to give up, and then no record is added. The file's one change.
    bool append(size_t file, std::function<std::optional<QByteArray>()> next);
    // Stores the changes: true once all of them are on the disk, false when none of them stays.
    bool commit();

private:
    struct Member;
    // Journals where the file's change goes and the bytes it covers, the change written by write.
    bool plan(Member& m, qint64 n, std::function<bool(QFile& data)> write);
    bool undo(const std::vector<Member*>& changed);

    std::vector<std::unique_ptr<Member>> m_members;
    bool m_ready = false;
};
