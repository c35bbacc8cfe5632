#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The rollback journal of an archive: the file "<archive>.journal" beside it, which holds the bytes
// a write is about to replace and the archive's length before it. It is on the disk before the
// archive is touched, and removed once the new bytes are: while it is there, the archive counts as
// holding its old bytes, and whoever opens the archive next puts them back first.
//
// A write that changes two archives together (a loan: the item's record and the register) gives
// each its journal under one transaction number. The first archive's journal is the commit
// record; the other's is a partner that names it. The transaction is done when the commit record
// is removed: a partner whose commit record is gone is left over from a finished transaction and
// is only removed; a partner whose commit record is there is rolled back.
namespace Journal {

QString pathOf(const QString& archivePath);

struct Entry {
    quint64 transaction = 0;
    bool commitRecord = true;
    // For the commit record, the file names of its partners' archives; for a partner, the file name
    // of the commit record's archive. Every archive of a transaction lives in one folder.
    QStringList others;
    qint64 oldSize = 0;
    qint64 offset = 0;
    QByteArray old;
};

// The journal's bytes, ending with a SHA-256 of everything before it.
QByteArray encode(const Entry& entry);
// Nothing for bytes that are not a whole journal.
std::optional<Entry> decode(const QByteArray& bytes);

// Writes the archive's journal, which must not exist yet, and syncs it. The caller syncs the
// folder before touching the archive.
bool write(const QString& archivePath, const Entry& entry);
// Puts the old bytes and the old length back into the archive and syncs it.
bool rollBack(const QString& archivePath, const Entry& entry);

// Whether the archive has a journal: a reader's check, one look at the folder.
bool pending(const QString& archivePath);
// Puts back what an interrupted write left and removes the journal; under the archive's lock.
// The locks of the archives in held are held by the caller; a partner's archive not among them is
// locked here. False when the old bytes could not be put back. The journal may stay when it cannot
// be removed: the archive can be read, not written.
bool settle(const QString& archivePath, const QStringList& held);

} // namespace Journal
