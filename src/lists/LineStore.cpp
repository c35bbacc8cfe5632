#include "LineStore.h"

#include "LineBuilder.h"
#include "Windows1252.h"

#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// The lines of a large list are tens of MiB of fresh memory, and the first touch of each 4 KiB
// page costs the system a fault. Past a few MiB the block is asked to be kept in 2 MiB pages,
// where the system allows it: on the build machine the first touch of 64 MiB took 157 ms in small
// pages and 3.5 ms in large ones. Qt has nothing for this; elsewhere it is left to the system.
constexpr qsizetype kLargePages = qsizetype(4) << 20;

void preferLargePages(char* block, qsizetype size)
{
#ifdef Q_OS_LINUX
    if (size < kLargePages)
        return;
    const auto page = quintptr(sysconf(_SC_PAGESIZE));
    const quintptr begin = (quintptr(block) + page - 1) & ~(page - 1);
    const quintptr end = quintptr(block + size) & ~(page - 1);
    // Only advice: where it is refused, the pages are small and the lines the same.
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), size_t(end - begin), MADV_HUGEPAGE);
#else
    Q_UNUSED(block);
    Q_UNUSED(size);
#endif
}

} // namespace

LineStore::LineStore(const QStringList& lines)
{
    for (const QString& line : lines)
        append(line);
}

LineStore::LineStore(std::initializer_list<QString> lines)
{
    for (const QString& line : lines)
        append(line);
}

std::string_view LineStore::bytesAt(qsizetype i) const
{
    const qsizetype start = i == 0 ? 0 : m_ends.at(i - 1);
    return std::string_view(m_bytes.constData() + start, size_t(m_ends.at(i) - start));
}

qsizetype LineStore::lineOf(qsizetype offset) const
{
    return std::upper_bound(m_ends.cbegin(), m_ends.cend(), offset) - m_ends.cbegin();
}

QString LineStore::at(qsizetype i) const
{
    const std::string_view line = bytesAt(i);
    return Windows1252::decode(line.data(), int(line.size()));
}

void LineStore::append(const QString& line)
{
    const QByteArray bytes = Windows1252::encode(line);
    const qsizetype start = m_bytes.size();
    makeRoom(bytes.size());
    m_bytes.append(bytes);
    endLine(start);
}

void LineStore::append(const LineBuilder& builder, const char* record)
{
    const qsizetype start = m_bytes.size();
    const qsizetype length = builder.length(record);
    makeRoom(length);
    m_bytes.resize(start + length);
    builder.writeBytes(record, m_bytes.data() + start);
    endLine(start);
}

void LineStore::append(LineStore other)
{
    const qsizetype start = m_bytes.size();
    // The lines joined are the last the list takes: room for exactly them.
    if (start + other.m_bytes.size() > m_bytes.capacity())
        grow(start + other.m_bytes.size());
    m_bytes.append(other.m_bytes);
    m_ends.reserve(m_ends.size() + other.m_ends.size());
    for (const qsizetype end : other.m_ends)
        m_ends.append(start + end);
    m_longest = std::max(m_longest, other.m_longest);
}

void LineStore::makeRoom(qsizetype more)
{
    const qsizetype needed = m_bytes.size() + more;
    if (needed > m_bytes.capacity())
        grow(std::max(needed, 2 * m_bytes.capacity()));
}

void LineStore::grow(qsizetype capacity)
{
    // A new block, advised before its first touch (the copy of the lines so far), so that the
    // copy too goes into large pages.
    QByteArray bigger;
    bigger.reserve(capacity);
    preferLargePages(bigger.data(), bigger.capacity());
    bigger.append(m_bytes);
    m_bytes.swap(bigger);
}

void LineStore::endLine(qsizetype start)
{
    m_ends.append(m_bytes.size());
    m_longest = std::max(m_longest, m_bytes.size() - start);
}

void LineStore::squeeze()
{
    m_bytes.squeeze();
    m_ends.squeeze();
}

LineStore::operator QStringList() const
{
    QStringList lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        lines.append(at(i));
    return lines;
}
