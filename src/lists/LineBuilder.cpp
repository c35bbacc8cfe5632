#include "LineBuilder.h"

#include "Windows1252.h"

#include <algorithm>

LineBuilder& LineBuilder::text(const char* literal)
{
    m_parts.push_back({literal, FieldSpot(), 0});
    return *this;
}

LineBuilder& LineBuilder::pad(const FieldSpot& field, int width)
{
    m_parts.push_back({{}, field, width});
    return *this;
}

LineBuilder& LineBuilder::trim(const FieldSpot& field)
{
    m_parts.push_back({{}, field, -1});
    return *this;
}

qsizetype LineBuilder::length(const char* record) const
{
    // A Windows-1252 byte is one character, so the length of the line is known before it is
    // written. Trimming a field is a few compares; it is done again rather than remembered.
    qsizetype length = 0;
    for (const Part& part : m_parts) {
        if (part.field.offset < 0)
            length += qsizetype(part.literal.size());
        else if (part.width >= 0)
            length += part.width;
        else
            length += qsizetype(part.field.trimmedBytes(record).size());
    }
    return length;
}

QString LineBuilder::line(const char* record) const
{
    const qsizetype length = this->length(record);
    QString line(length, Qt::Uninitialized);
    QChar* out = line.data();
    for (const Part& part : m_parts) {
        if (part.field.offset < 0) {
            out = std::transform(part.literal.begin(), part.literal.end(), out,
                [](char c) { return QLatin1Char(c); });
            continue;
        }
        std::string_view bytes = part.field.trimmedBytes(record);
        if (part.width >= 0)
            bytes = bytes.substr(0, size_t(part.width));
        Windows1252::decodeInto(out, bytes.data(), qsizetype(bytes.size()));
        out += bytes.size();
        if (part.width >= 0)
            out = std::fill_n(out, part.width - qsizetype(bytes.size()), QLatin1Char(' '));
    }
    return line;
}

char* LineBuilder::writeBytes(const char* record, char* out) const
{
    for (const Part& part : m_parts) {
        if (part.field.offset < 0) {
            out = std::copy(part.literal.begin(), part.literal.end(), out);
            continue;
        }
        std::string_view bytes = part.field.trimmedBytes(record);
        if (part.width >= 0)
            bytes = bytes.substr(0, size_t(part.width));
        out = std::copy(bytes.begin(), bytes.end(), out);
        if (part.width >= 0)
            out = std::fill_n(out, part.width - qsizetype(bytes.size()), ' ');
    }
    return out;
}
