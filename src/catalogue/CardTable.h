#pragma once

#include "Artwork.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class RecordType;
struct SearchTable;
struct ValidationTable;

// One data field of a card screen: its control is "txt" + the record field.
struct CardField {
    enum class Kind { Edit, Combo, ReadOnly };
    // Where the field stands: a row of its own, the left or right cell of a row, or beside the
    // field before it in the same cell.
    enum class Place { Row, Left, Right, Beside };

    const char* field;
    const char* label;
    Kind kind;
    int maxLength;
    Place place;
    int section;
    bool narrow = false;
    // The button at the field's right, if any ("btnCodice", "btnDewey", "btnGoogle").
    const char* button = nullptr;
    // Items of a combo box.
    QStringList (*items)() = nullptr;
    // A field that holds more than the user may type: what may be typed (0: the whole field).
    int typedLimit = 0;
};

// A save check: the field that must not be empty (or, for "Convalida", must not read "No"), its
// message and the field that takes the focus.
struct CardCheck {
    const char* field;
    const char* focus;
    QString message;
};

// Everything that tells one catalogue card screen from its twin.
struct CardTable {
    QString objectName;
    QString caption;
    QString helpTopic;
    const RecordType* type;
    std::vector<CardField> fields; // in the order of the Enter chain
    std::vector<Artwork::Symbol> sectionPictures;
    QString availableText; // Prestato of a new card
    std::vector<CardCheck> checks; // in order
    QString codeMissing; // btnCodice with no code
    QString codeAlreadyValidated; // btnCodice on a stored card
    const ValidationTable* validation;
    const char* upperCaseField = nullptr; // trimmed and upper-cased on every key release
    // Web search: the field searched, the text before it in the query, the message when empty.
    const char* webField;
    QString webPrefix;
    QString webMissing;
    const SearchTable* findTable;
    const SearchTable* availableTable;
    QString marker; // written into the search windows' lblMemory
    QHash<QString, QString> statusTexts; // control name -> status-line text
};

const CardTable& booksCard();
const CardTable& dvdsCard();
