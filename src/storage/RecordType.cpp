#include "RecordType.h"

#include "ProgramFolder.h"
#include "ShortString.h"

QString FieldSpot::read(const char* record) const
{
    return ShortString::load(record + offset, capacity);
}

void FieldSpot::store(char* record, const QString& text) const
{
    ShortString::store(text, record + offset, capacity);
}

RecordFile RecordType::archive() const
{
    return RecordFile(ProgramFolder::file(m_fileName), m_size);
}

QHash<QString, QString> RecordType::values(const char* record) const
{
    QHash<QString, QString> values;
    for (const QString& name : m_names)
        values.insert(name, m_spots.value(name).read(record));
    return values;
}

QByteArray RecordType::record(const QHash<QString, QString>& values) const
{
    QByteArray bytes(m_size, '\0');
    for (const QString& name : m_names)
        m_spots.value(name).store(bytes.data(), values.value(name));
    return bytes;
}
