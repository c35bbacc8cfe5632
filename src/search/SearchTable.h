#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <string_view>

// Where a field lies in a record's bytes.
struct FieldSpot
{
    int offset = -1;
    int capacity = 0;

    // The field's text, converted and trimmed.
    QString read(const char* record) const;
    // The field's bytes without the blanks and control characters around them.
    std::string_view trimmedBytes(const char* record) const;
};

struct SearchCriterion
{
    const char* label;
    const char* field;
};

// What makes one search window differ from another.
struct SearchTable
{
    QString objectName;
    QString caption;
    QString fileName;
    int recordSize = 0;
    // The "disponibili" windows leave out lent items.
    bool availableOnly = false;
    std::array<SearchCriterion, 10> criteria;
    QString printTitle;
    // The callers' markers this window answers, and for each the fields it hands back.
    QHash<QString, QStringList> handBack;

    std::function<FieldSpot(const char* field)> spot;
    // The list line of a record, from its bytes.
    std::function<QString(const char* record)> line;
};

const SearchTable& booksTable();
const SearchTable& availableBooksTable();
const SearchTable& dvdsTable();
const SearchTable& availableDvdsTable();
const SearchTable& membersTable();

// The list lines of books and DVDs, from a record's bytes.
QString bookLine(const char* record);
QString dvdLine(const char* record);
