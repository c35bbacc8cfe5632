#include "RecordFile.h"

#include "ProgramFolder.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Records read per system call by a scan.
constexpr qint64 kScanBytes = 1 << 20;

bool openFile(QFile& file)
{
    return file.open(QIODevice::ReadWrite);
}

bool flushAndClose(QFile& file)
{
    bool ok = file.flush();
#ifdef Q_OS_UNIX
    ok = ok && ::fsync(file.handle()) == 0;
#endif
    file.close();
    return ok && file.error() == QFileDevice::NoError;
}

bool writeAt(QFile& file, qint64 offset, const QByteArray& record)
{
    return file.seek(offset) && file.write(record) == record.size() && flushAndClose(file);
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
    return openFile(file);
}

std::optional<int> RecordFile::count() const
{
    QFile file(m_path);
    if (!openFile(file))
        return std::nullopt;
    return int(file.size() / m_size);
}

std::optional<QByteArray> RecordFile::read(int n) const
{
    QFile file(m_path);
    if (!openFile(file))
        return std::nullopt;
    if (n < 1 || n > file.size() / m_size || !file.seek(qint64(n - 1) * m_size))
        return std::nullopt;
    QByteArray bytes = file.read(m_size);
    if (bytes.size() != m_size)
        return std::nullopt;
    return bytes;
}

bool RecordFile::write(int n, const QByteArray& record) const
{
    if (record.size() != m_size)
        return false;
    QFile file(m_path);
    if (!openFile(file))
        return false;
    if (n < 1 || n > file.size() / m_size)
        return false;
    return writeAt(file, qint64(n - 1) * m_size, record);
}

std::optional<int> RecordFile::append(const QByteArray& record) const
{
    if (record.size() != m_size)
        return std::nullopt;
    QFile file(m_path);
    if (!openFile(file))
        return std::nullopt;
    const int n = int(file.size() / m_size) + 1;
    if (!writeAt(file, qint64(n - 1) * m_size, record))
        return std::nullopt;
    return n;
}

bool RecordFile::scan(const std::function<bool(int n, const char* bytes)>& visit) const
{
    QFile file(m_path);
    if (!openFile(file))
        return false;
    const int total = int(file.size() / m_size);
    const int perBlock = int(std::max<qint64>(1, kScanBytes / m_size));
    QByteArray block;
    int n = 0;
    while (n < total) {
        const int records = std::min(perBlock, total - n);
        block.resize(qsizetype(records) * m_size);
        if (file.read(block.data(), block.size()) != block.size())
            return false;
        for (int i = 0; i < records; ++i) {
            ++n;
            if (!visit(n, block.constData() + qsizetype(i) * m_size))
                return true;
        }
    }
    return true;
}
