#pragma once

#include "RecordFile.h"
#include "Records.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <string_view>

// Where a field lies in a record's bytes.
struct FieldSpot {
    int offset = -1;
    int capacity = 0;

    // The field's text, converted and trimmed.
    QString read(const char* record) const;
    // The field's bytes without the blanks and control characters around them. Inline: the
    // searches call it for every field of every record they read.
    std::string_view trimmedBytes(const char* record) const
    {
        const auto* field = reinterpret_cast<const unsigned char*>(record + offset);
        const auto* begin = field + 1;
        const auto* end = begin + std::min(int(field[0]), capacity);
        while (begin < end && *begin <= 32)
            ++begin;
        while (end > begin && end[-1] <= 32)
            --end;
        return std::string_view(reinterpret_cast<const char*>(begin), size_t(end - begin));
    }
    // Stores a text into the field (trimmed, converted, cut to the capacity).
    void store(char* record, const QString& text) const;
};

// A record type seen by field name, for the code that walks any archive the same way: the card
// screens, the search windows, the exports.
class RecordType {
public:
    template <class R> static const RecordType& of();

    const QString& fileName() const { return m_fileName; }
    int size() const { return m_size; }
    // The type's own archive in the program folder.
    RecordFile archive() const;
    // The field names in file order.
    const QStringList& names() const { return m_names; }
    // The spot of a field; an invalid spot (offset -1) for an unknown name.
    FieldSpot spot(const QString& name) const { return m_spots.value(name); }

    // Every field of a record, by name.
    QHash<QString, QString> values(const char* record) const;
    // A record of the given fields; the fields not given stay empty.
    QByteArray record(const QHash<QString, QString>& values) const;

private:
    QString m_fileName;
    int m_size = 0;
    QStringList m_names;
    QHash<QString, FieldSpot> m_spots;
};

template <class R> const RecordType& RecordType::of()
{
    static const RecordType type = [] {
        RecordType t;
        if constexpr (std::is_same_v<R, TSchedaPrestito>)
            t.m_fileName = QString();
        else
            t.m_fileName = QString::fromLatin1(RecordLayout<R>::fileName);
        t.m_size = RecordLayout<R>::size;
        int offset = 0;
        for (const auto& f : RecordLayout<R>::fields) {
            const QString name = QString::fromLatin1(f.name);
            t.m_names << name;
            t.m_spots.insert(name, FieldSpot {offset, f.capacity});
            offset += f.capacity + 1;
        }
        return t;
    }();
    return type;
}
