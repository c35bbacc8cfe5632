#include "Journal.h"

#include "ArchiveLock.h"
#include "Disk.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray kMagic("LTRJRNL1");
constexpr int kHashBytes = 32;

QString folderOf(const QString& archivePath)
{
    return QFileInfo(archivePath).absolutePath() + QLatin1Char('/');
}

// The entry of a journal file, or nothing when there is none or it was never finished (a torn
// journal: its archive was not touched yet). False when a journal is there and cannot be read.
bool load(const QString& journalPath, std::optional<Journal::Entry>& entry)
{
    entry.reset();
    QFile file(journalPath);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return !file.exists();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    entry = Journal::decode(bytes);
    return true;
}

} // namespace

namespace Journal {

QString pathOf(const QString& archivePath)
{
    return archivePath + QStringLiteral(".journal");
}

QByteArray encode(const Entry& entry)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const QByteArray names = entry.others.join(QLatin1Char('\n')).toUtf8();
    out.writeRawData(kMagic.constData(), kMagic.size());
    out << entry.transaction << quint8(entry.commitRecord ? 0 : 1) << entry.oldSize << entry.offset
        << quint32(names.size());
    out.writeRawData(names.constData(), names.size());
    out << quint32(entry.old.size());
    out.writeRawData(entry.old.constData(), entry.old.size());
    return bytes + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

std::optional<Entry> decode(const QByteArray& bytes)
{
    const QByteArray body = bytes.left(bytes.size() - kHashBytes);
    if (bytes.size() < kMagic.size() + kHashBytes || !body.startsWith(kMagic)
        || bytes.right(kHashBytes) != QCryptographicHash::hash(body, QCryptographicHash::Sha256))
        return std::nullopt;
    QDataStream in(body);
    in.setByteOrder(QDataStream::LittleEndian);
    in.skipRawData(kMagic.size());
    Entry entry;
    quint8 kind = 0;
    quint32 namesSize = 0;
    in >> entry.transaction >> kind >> entry.oldSize >> entry.offset >> namesSize;
    QByteArray names(qMin<qint64>(namesSize, body.size()), Qt::Uninitialized);
    in.readRawData(names.data(), names.size());
    quint32 oldSize = 0;
    in >> oldSize;
    entry.old.resize(qMin<qint64>(oldSize, body.size()));
    in.readRawData(entry.old.data(), entry.old.size());
    if (in.status() != QDataStream::Ok || !in.atEnd() || names.size() != qint64(namesSize)
        || entry.old.size() != qint64(oldSize) || kind > 1)
        return std::nullopt;
    entry.commitRecord = kind == 0;
    if (!names.isEmpty())
        entry.others = QString::fromUtf8(names).split(QLatin1Char('\n'));
    return entry;
}

bool write(const QString& archivePath, const Entry& entry)
{
    QFile file(pathOf(archivePath));
    if (!Disk::openForWriting(file))
        return false;
    const bool written = file.size() == 0 && Disk::writeAll(file, encode(entry)) && Disk::sync(file);
    return Disk::close(file) && written;
}

bool rollBack(const QString& archivePath, const Entry& entry)
{
    QFile file(archivePath);
    if (!Disk::openForWriting(file))
        return false;
    const bool back = (entry.old.isEmpty() || (file.seek(entry.offset) && Disk::writeAll(file, entry.old)))
        && Disk::resize(file, entry.oldSize) && Disk::sync(file);
    return Disk::close(file) && back;
}

bool pending(const QString& archivePath)
{
    return QFileInfo::exists(pathOf(archivePath));
}

bool settle(const QString& archivePath, const QStringList& held)
{
    std::optional<Entry> entry;
    if (!load(pathOf(archivePath), entry))
        return false;
    const QString folder = folderOf(archivePath);
    const QString name = QFileInfo(archivePath).fileName();
    if (entry && entry->commitRecord) {
        // The partners go back first: while this journal is there, they can still tell that they must.
        for (const QString& other : entry->others) {
            const QString partner = folder + other;
            std::optional<ArchiveLock> lock;
            if (!held.contains(partner) && !lock.emplace(partner).held())
                return false;
            std::optional<Entry> theirs;
            if (!load(pathOf(partner), theirs))
                return false;
            if (theirs && !theirs->commitRecord && theirs->transaction == entry->transaction
                && theirs->others == QStringList(name)) {
                if (!rollBack(partner, *theirs))
                    return false;
                Disk::remove(pathOf(partner));
            }
        }
        if (!rollBack(archivePath, *entry))
            return false;
    } else if (entry) {
        // A partner is rolled back only while its commit record is there: the transaction did not end.
        std::optional<Entry> record;
        if (!load(pathOf(folder + entry->others.value(0)), record))
            return false;
        if (record && record->commitRecord && record->transaction == entry->transaction
            && record->others.contains(name) && !rollBack(archivePath, *entry))
            return false;
    }
    // A journal that cannot be removed does no harm: whoever opens the archive next puts back again
    // what is already back, and writes only once it is gone.
    Disk::remove(pathOf(archivePath));
    return true;
}

} // namespace Journal
