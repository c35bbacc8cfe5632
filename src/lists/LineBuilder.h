#pragma once

#include "RecordType.h"

#include <QString>
#include <string_view>
#include <vector>

// The one way every list of the program writes a record's line: fixed-width columns and literal
// separators, taken straight from the record's bytes into one string of the exact size, decoded
// from Windows-1252 on the way. pad(x, N) is x trimmed, cut to N characters and filled with blanks
// to N; trim(x) is x trimmed.
class LineBuilder {
public:

    // A literal separator or label, in plain ASCII.
    LineBuilder& text(const char* literal);
    LineBuilder& pad(const FieldSpot& field, int width);
    LineBuilder& trim(const FieldSpot& field);
    // A literal written only when the field, trimmed, holds exactly the value.
    LineBuilder& textIf(const FieldSpot& field, const char* value, const char* literal);

    // The number of characters of the record's line.
    qsizetype length(const char* record) const;
    QString line(const char* record) const;
    // The same line in the archive's own bytes (Windows-1252), written at out, which has room
    // for length(record) bytes; returns the end of what was written.
    char* writeBytes(const char* record, char* out) const;

private:
    struct Part {
        enum class Kind { Literal, Padded, Trimmed, LiteralIf };
        Kind kind;
        std::string_view literal;
        FieldSpot field;
        int width = 0; // Padded
        std::string_view value; // LiteralIf
    };
    // The literal's bytes, or the field's bytes cut to the part's width.
    static std::string_view bytesOf(const Part& part, const char* record);
    std::vector<Part> m_parts;
};
