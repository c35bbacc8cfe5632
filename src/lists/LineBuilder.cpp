#include "LineBuilder.h"

#include "Windows1252.h"

#include <algorithm>

LineBuilder& LineBuilder::text(const char* literal)
{
    m_parts.push_back({Part::Kind::Literal, literal, FieldSpot(), 0, {}});
    return *this;
}

LineBuilder& LineBuilder::pad(const FieldSpot& field, int width)
{
    m_parts.push_back({Part::Kind::Padded, {}, field, width, {}});
    return *this;
}

LineBuilder& LineBuilder::trim(const FieldSpot& field)
{
    m_parts.push_back({Part::Kind::Trimmed, {}, field, 0, {}});
    return *this;
}

LineBuilder& LineBuilder::textIf(const FieldSpot& field, const char* value, const char* literal)
{
    m_parts.push_back({Part::Kind::LiteralIf, literal, field, 0, value});
    return *this;
}

std::string_view LineBuilder::bytesOf(const Part& part, const char* record)
{
    switch (part.kind) {
    case Part::Kind::Literal:
        return part.literal;
    case Part::Kind::LiteralIf:
        return part.field.trimmedBytes(record) == part.value ? part.literal : std::string_view();
    case Part::Kind::Padded:
        return part.field.trimmedBytes(record).substr(0, size_t(part.width));
    case Part::Kind::Trimmed:
        break;
    }
    return part.field.trimmedBytes(record);
}

qsizetype LineBuilder::length(const char* record) const
{
    // A Windows-1252 byte is one character, so the length of the line is known before it is
    // written. Trimming a field is a few compares; it is done again rather than remembered.
    qsizetype length = 0;
    for (const Part& part : m_parts)
        length += part.kind == Part::Kind::Padded ? part.width : qsizetype(bytesOf(part, record).size());
    return length;
}

QString LineBuilder::line(const char* record) const
{
    const qsizetype length = this->length(record);
    QString line(length, Qt::Uninitialized);
    QChar* out = line.data();
    for (const Part& part : m_parts) {
        const std::string_view bytes = bytesOf(part, record);
        // Literals are plain ASCII; field bytes are the archive's code page.
        Windows1252::decodeInto(out, bytes.data(), qsizetype(bytes.size()));
        out += bytes.size();
        if (part.kind == Part::Kind::Padded)
            out = std::fill_n(out, part.width - qsizetype(bytes.size()), QLatin1Char(' '));
    }
    return line;
}

char* LineBuilder::writeBytes(const char* record, char* out) const
{
    for (const Part& part : m_parts) {
        const std::string_view bytes = bytesOf(part, record);
        out = std::copy(bytes.begin(), bytes.end(), out);
        if (part.kind == Part::Kind::Padded)
            out = std::fill_n(out, part.width - qsizetype(bytes.size()), ' ');
    }
    return out;
}
