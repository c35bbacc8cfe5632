#include "IniFile.h"

#include "Disk.h"
#include "Windows1252.h"

#include <QFile>
#include <QStringList>

namespace {

// Far more than any settings file of the program holds: a larger file is damaged, and is not
// read whole at every look-up.
constexpr qint64 kMaxBytes = 64 * 1024;

// The file's lines; an empty list for a missing file, nothing for an unreadable one.
std::optional<QStringList> readLines(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return QStringList();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxBytes)
        return std::nullopt;
    QString text = Windows1252::decode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The section name of a "[Section]" line, or nothing for any other line.
std::optional<QString> sectionOf(const QString& line)
{
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return std::nullopt;
}

// A value between a pair of double or single quotes reads without them, as Windows reads it.
QString unquoted(const QString& value)
{
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

bool isKeyLine(const QString& line, const QString& key)
{
    const int eq = int(line.indexOf(QLatin1Char('=')));
    return eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

std::optional<QString> IniFile::read(const QString& section, const QString& key) const
{
    const auto lines = readLines(m_path);
    if (!lines)
        return std::nullopt;
    bool inSection = false;
    for (const QString& line : *lines) {
        if (const auto name = sectionOf(line)) {
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inSection && isKeyLine(line, key))
            return unquoted(line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed());
    }
    return QString();
}

bool IniFile::write(const QString& section, const QString& key, const QString& value) const
{
    auto lines = readLines(m_path);
    if (!lines)
        return false;

    const QString entry = key + QLatin1Char('=') + value;
    int sectionStart = -1;
    int insertAt = -1;
    bool done = false;
    for (int i = 0; i < lines->size() && !done; ++i) {
        const QString& line = lines->at(i);
        if (const auto name = sectionOf(line)) {
            if (sectionStart >= 0)
                break;
            if (name->compare(section, Qt::CaseInsensitive) == 0) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (isKeyLine(line, key)) {
            (*lines)[i] = entry;
            done = true;
        } else if (!line.trimmed().isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (!done) {
        if (sectionStart >= 0) {
            lines->insert(insertAt, entry);
        } else {
            lines->append(QLatin1Char('[') + section + QLatin1Char(']'));
            lines->append(entry);
        }
    }

    return Disk::replaceFile(
        m_path, Windows1252::encode(lines->join(QLatin1String("\r\n")) + QLatin1String("\r\n")));
}
