#pragma once

#include "LineBuilder.h"
#include "RecordType.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>

struct SearchCriterion {
    const char* label;
    const char* field;
};

// What makes one search window differ from another.
struct SearchTable {
    QString objectName;
    QString caption;
    const RecordType* type = nullptr;
    // The "disponibili" windows leave out lent items.
    bool availableOnly = false;
    // Cancelled records are left out, except by the returns screen's member search: a member
    // cancelled with a book still out must be able to give it back.
    bool withCancelled = false;
    std::array<SearchCriterion, 10> criteria;
    QString printTitle;
    // The callers' markers this window answers, and for each the fields it hands back.
    QHash<QString, QStringList> handBack;

    // The list line of a record.
    LineBuilder listLine;
};

const SearchTable& booksTable();
const SearchTable& availableBooksTable();
const SearchTable& dvdsTable();
const SearchTable& availableDvdsTable();
const SearchTable& membersTable();
// The returns screen's member search: cancelled members too, marked in their lines.
const SearchTable& returnsMembersTable();
// The lending screen's pickers of available books and DVDs.
const SearchTable& loanBooksTable();
const SearchTable& loanDvdsTable();
